#include "app/options_window.h"

namespace dozorik {

OptionsWindow::OptionsWindow() : ui::Form("Options", 380, 306) {
  setText("Ďalšie nastavenia");
  setFont(ui::dialogFont());
  KeepAwake.setText("Nenechať počítač zaspať");
  BusyFirst.setText("Najprv záťaž");
  BusiestProcessor.setText("Najvyťaženejší procesor");
  setDefaultButton(Ok);
}

void OptionsWindow::show(const WatchOptions& options) {
  KeepAwake.setChecked(options.keepAwake);
  QuietTicks.setValue(options.quietTicks);
  Spikes.setValue(options.spikeTolerance);
  BusyFirst.setChecked(options.busyFirst);
  BusiestProcessor.setChecked(options.busiestProcessor);
  Countdown.setValue(options.countdownSeconds);
}

WatchOptions OptionsWindow::chosen() const {
  WatchOptions options;
  options.keepAwake = KeepAwake.checked();
  options.quietTicks = QuietTicks.value();
  options.spikeTolerance = Spikes.value();
  options.busyFirst = BusyFirst.checked();
  options.busiestProcessor = BusiestProcessor.checked();
  options.countdownSeconds = Countdown.value();
  return options;
}

}  // namespace dozorik
