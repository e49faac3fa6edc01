#pragma once

#include <optional>
#include <string>

#include "signals/reading.h"
#include "signals/signal_settings.h"
#include "texts/texts.h"

namespace dozorik::signals {

// The last reading of every signal.
struct Readings {
  Reading gpu, disk, network, program;

  Reading& operator[](Signal signal);
  const Reading& operator[](Signal signal) const;
};

// One tick's verdict over the processor and the signals.
struct Verdict {
  // Quiet only when the processor is below its threshold and so is every
  // signal that is on.
  bool quiet = false;
  // The first signal, in the order GPU, disk, network, program, that is busy
  // whatever the processor says; and the text the main window shows for it
  // ("Este pracuje: GPU 63 %"). None and empty when no signal is busy.
  std::optional<Signal> holder;
  std::string status;
};

// A signal that is on holds the watch when its reading is at or above its
// threshold, and when it has no reading (not read yet, or the reading
// failed): a sensor that fails must not end a job. A signal Windows does not
// provide never holds.
bool holds(Signal signal, const SignalSettings& settings, const Reading& reading);

Verdict judgeTick(bool processorQuiet, const SignalSettings& settings, const Readings& readings,
                  const Texts& texts = Texts());

// "Este pracuje: GPU 63 %", "... disk 45 MB/s", "... siet 2100 kB/s",
// "... ffmpeg.exe"; "(bez udajov)" in place of a value a reading lacks. In
// English "Still working: GPU 63 %", ... The main window's texts have no
// diacritics.
std::string holdText(Signal signal, const Reading& reading, const Texts& texts = Texts());

// Why a signal can't hold a watch on this Windows, as the options window
// says it.
std::string unavailableReason(Signal signal, const Texts& texts = Texts());

}  // namespace dozorik::signals
