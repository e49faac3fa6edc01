#pragma once

#include <functional>
#include <string>

#include "platform/power.h"

namespace dozorik {

// The watch's further options, each kept under a registry value of its own.
// Their defaults are the watch as it has always been, so that an
// installation that never set them behaves as before.
struct WatchOptions {
  // Ask Windows not to go to sleep by itself while a watch is armed, a
  // ring-out runs or a countdown counts: a busy processor does not count as
  // activity. A Modern Standby laptop on battery stays up only while its
  // display does too.
  Power::Awake keepAwake = Power::Awake::System;
  // Quiet ticks in a row that end a watch.
  int quietTicks = 250;
  // Ticks at or above the threshold in a row that a quiet run lets pass
  // without counting them or starting again; one more starts it again.
  int spikeTolerance = 0;
  // Count quiet ticks only once the load has been at or above the threshold
  // for kBusyTicksFirst ticks in a row since arming.
  bool busyFirst = false;
  // Watch the busiest single processor instead of the total.
  bool busiestProcessor = false;
  // Seconds to wait, and to let the user cancel, before sleeping, shutting
  // down or restarting; 0 acts at once.
  int countdownSeconds = 0;
  // The sleep action hibernates instead.
  bool hibernate = false;
  // A shut-down or restart closes programs with unsaved work without asking.
  bool forceExit = false;

  static constexpr int kBusyTicksFirst = 10;
  static constexpr int kMinQuietTicks = 25, kMaxQuietTicks = 3000;
  static constexpr int kMaxSpikeTolerance = 50;
  static constexpr int kMaxCountdownSeconds = 600;
};

using ReadSetting = std::function<std::string(const std::string& name)>;
using WriteSetting = std::function<void(const std::string& name, const std::string& value)>;

// Reads the options from their stored texts: a value that is absent, or is
// no number, reads as its default; a number out of range is clamped.
WatchOptions readWatchOptions(const ReadSetting& read);
// Stores every option, numbers in decimal, flags as "true" or "false".
void writeWatchOptions(const WatchOptions& options, const WriteSetting& write);

}  // namespace dozorik
