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
  Options.showLanguage(nextLanguage_);
  application_.showModal(Options);
}

void TUsage::OptionsOkClick() {
  // A message address that can't take messages is not stored: the page
  // says why and keeps what was typed.
  const MessageSettings messageChosen = Options.chosenMessage();
  if (!messageChosen.address.empty()) {
    if (auto problem = addressProblem(messageChosen.address, texts_)) {
      Options.MessageResult.setText(*problem);
      Options.Pages.setActivePage(3);
      return;
    }
  }
  storeFurtherOptions(Options.chosen(), Options.chosenSignals());
  regeditwrite(kMessageAddressValue, messageChosen.address);
  regeditwrite(kMessageFormValue, messageFormName(messageChosen.form));
  message_ = messageChosen;
  // The window keeps its language until the next start.
  nextLanguage_ = Options.chosenLanguage();
  regeditwrite(kLanguageValue, languageValue(nextLanguage_));
  application_.closeForm(Options);
}

// Stores the options and the signals' settings, as the window's OK and the
// switches do, and applies them from the next tick.
void TUsage::storeFurtherOptions(const WatchOptions& options,
                                 const signals::SignalSettings& signalSettings) {
  const auto write = [this](const std::string& name, const std::string& value) {
    regeditwrite(name, value);
  };
  writeWatchOptions(options, write);
  writeSignalSettings(signalSettings, write);
  useOptions(options);
  signals_.configure(signalSettings);
}

}  // namespace dozorik
