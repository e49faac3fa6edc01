#pragma once

#include "app/watch_options.h"
#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/spin_edit.h"

namespace dozorik {

// "Ďalšie nastavenia...": the watch's further options, each with a line that
// says what it does. Opened from the main window's system menu; its
// buttons are the main window's to handle.
class OptionsWindow : public ui::Form {
 public:
  OptionsWindow();

  // Shows these options in the controls.
  void show(const WatchOptions& options);
  // The options as the controls hold them; numbers out of range clamped,
  // text that is no number read as the option's default.
  WatchOptions chosen() const;

  ui::CheckBox KeepAwake{this, "KeepAwake", {12, 10, 356, 17}};
  ui::Label KeepAwakeText{this, "KeepAwakeText", {30, 28, 338, 13},
                          "Kým sa stráži alebo zvoní, Windows počítač sám neuspí."};
  ui::Label QuietTicksLabel{this, "QuietTicksLabel", {12, 52, 220, 13},
                            "Tiché tiky do konca stráženia:"};
  ui::SpinEdit QuietTicks{this, "QuietTicks", {296, 48, 60, 22}, WatchOptions::kMinQuietTicks,
                          WatchOptions::kMaxQuietTicks, 250, 250};
  ui::Label QuietTicksText{this, "QuietTicksText", {30, 72, 338, 13},
                           "25 až 3000 tikov po 200 ms; 250 tikov je 50 sekúnd."};
  ui::Label SpikesLabel{this, "SpikesLabel", {12, 96, 220, 13}, "Prepáčené výkyvy:"};
  ui::SpinEdit Spikes{this, "Spikes", {296, 92, 60, 22}, 0, WatchOptions::kMaxSpikeTolerance, 0,
                      0};
  ui::Label SpikesText{this, "SpikesText", {30, 116, 338, 13},
                       "Toľko tikov nad hranicou za sebou ticho nepreruší (0 až 50)."};
  ui::CheckBox BusyFirst{this, "BusyFirst", {12, 138, 356, 17}};
  ui::Label BusyFirstText{this, "BusyFirstText", {30, 156, 338, 13},
                          "Tiché tiky sa rátajú až po 10 tikoch nad hranicou za sebou."};
  ui::CheckBox BusiestProcessor{this, "BusiestProcessor", {12, 178, 356, 17}};
  ui::Label BusiestProcessorText{this, "BusiestProcessorText", {30, 196, 338, 13},
                                 "Záťaž najvyťaženejšieho procesora namiesto celkovej."};
  ui::Label CountdownLabel{this, "CountdownLabel", {12, 222, 280, 13},
                           "Odpočítavanie pred uspaním, vypnutím a reštartom:"};
  ui::SpinEdit Countdown{this, "Countdown", {296, 218, 60, 22}, 0,
                         WatchOptions::kMaxCountdownSeconds, 0, 0};
  ui::Label CountdownUnit{this, "CountdownUnit", {360, 222, 10, 13}, "s"};
  ui::Label CountdownText{this, "CountdownText", {30, 242, 338, 13},
                          "0 až 600 sekúnd, počas ktorých sa dá zrušiť; 0 koná hneď."};
  ui::PushButton Ok{this, "Ok", {112, 270, 75, 25}, "OK"};
  ui::PushButton Cancel{this, "Cancel", {196, 270, 75, 25}, "Zrušiť"};
};

}  // namespace dozorik
