// The watch's further options: read at start, changed and stored only
// through their window, which the system menu opens.

#include "app/usage.h"
#include "message/message_address.h"

namespace dozorik {

// Every option applies from the next tick; the busy start, switched on,
// from the next watch (one armed before may have seen its load already).
void TUsage::useOptions(const WatchOptions& options) {
  options_ = options;
  Gauge1.setRange(0, options_.quietTicks);
  if (!options_.busyFirst && !watch_.Counting) {
    watch_.Counting = true;
    TrackBar1Change();
  }
  keepAwakeWhileWatching();
}

void TUsage::showOptions() {
  const std::uint64_t now = ports_.clock.milliseconds();
  Options.show(options_, ports_.power.capabilities(), signals_.settings(),
               {signals_.unavailable(signals::Signal::Gpu, now),
                signals_.unavailable(signals::Signal::Disk, now),
                signals_.unavailable(signals::Signal::Network, now)});
  Options.showMessage(message_);
  application_.showModal(Options);
}

void TUsage::OptionsOkClick() {
  // A message address that can't take messages is not stored: the page
  // says why and keeps what was typed.
  const MessageSettings messageChosen = Options.chosenMessage();
  if (!messageChosen.address.empty()) {
    if (auto problem = addressProblem(messageChosen.address)) {
      Options.MessageResult.setText(*problem);
      Options.Pages.setActivePage(3);
      return;
    }
  }
  const WatchOptions chosen = Options.chosen();
  const signals::SignalSettings signalsChosen = Options.chosenSignals();
  const auto write = [this](const std::string& name, const std::string& value) {
    regeditwrite(name, value);
  };
  writeWatchOptions(chosen, write);
  writeSignalSettings(signalsChosen, write);
  write(kMessageAddressValue, messageChosen.address);
  write(kMessageFormValue, messageFormName(messageChosen.form));
  useOptions(chosen);
  signals_.configure(signalsChosen);
  message_ = messageChosen;
  application_.closeForm(Options);
}

}  // namespace dozorik
