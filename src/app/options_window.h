#pragma once

#include <optional>

#include "app/watch_options.h"
#include "platform/power.h"
#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"

namespace dozorik {

// "Ďalšie nastavenia...": the watch's further options, each with a line that
// says what it does. Opened from the main window's system menu; its
// buttons are the main window's to handle.
class OptionsWindow : public ui::Form {
 public:
  OptionsWindow();

  // Shows these options in the controls; what the machine can't do (no
  // hibernation file) is shown disabled, with the reason.
  void show(const WatchOptions& options, const std::optional<Power::Capabilities>& machine);
  // The options as the controls hold them; numbers out of range clamped,
  // text that is no number read as the option's default.
  WatchOptions chosen() const;

  ui::Label KeepAwakeLabel{this, "KeepAwakeLabel", {12, 10, 220, 13}, "Nenechať počítač zaspať:"};
  ui::RadioButton KeepAwakeNo{this, "KeepAwakeNo", {30, 27, 50, 17}};
  ui::RadioButton KeepAwakeSystem{this, "KeepAwakeSystem", {90, 27, 50, 17}};
  ui::RadioButton KeepAwakeDisplay{this, "KeepAwakeDisplay", {150, 27, 120, 17}};
  ui::Label KeepAwakeText{this, "KeepAwakeText", {30, 46, 338, 13},
                          "Kým sa stráži, zvoní či odpočítava, Windows počítač neuspí."};
  ui::Label DisplayText{this, "DisplayText", {30, 60, 338, 13},
                        "Notebook s Modern Standby na batérii drží len „aj displej\"."};
  ui::Label QuietTicksLabel{this, "QuietTicksLabel", {12, 86, 220, 13},
                            "Tiché tiky do konca stráženia:"};
  ui::SpinEdit QuietTicks{this, "QuietTicks", {296, 82, 60, 22}, WatchOptions::kMinQuietTicks,
                          WatchOptions::kMaxQuietTicks, 250, 250};
  ui::Label QuietTicksText{this, "QuietTicksText", {30, 106, 338, 13},
                           "25 až 3000 tikov po 200 ms; 250 tikov je 50 sekúnd."};
  ui::Label SpikesLabel{this, "SpikesLabel", {12, 130, 220, 13}, "Prepáčené výkyvy:"};
  ui::SpinEdit Spikes{this, "Spikes", {296, 126, 60, 22}, 0, WatchOptions::kMaxSpikeTolerance, 0,
                      0};
  ui::Label SpikesText{this, "SpikesText", {30, 150, 338, 13},
                       "Toľko tikov nad hranicou za sebou ticho nepreruší (0 až 50)."};
  ui::CheckBox BusyFirst{this, "BusyFirst", {12, 172, 356, 17}};
  ui::Label BusyFirstText{this, "BusyFirstText", {30, 190, 338, 13},
                          "Tiché tiky sa rátajú až po 10 tikoch nad hranicou za sebou."};
  ui::CheckBox BusiestProcessor{this, "BusiestProcessor", {12, 212, 356, 17}};
  ui::Label BusiestProcessorText{this, "BusiestProcessorText", {30, 230, 338, 13},
                                 "Záťaž najvyťaženejšieho procesora namiesto celkovej."};
  ui::Label CountdownLabel{this, "CountdownLabel", {12, 256, 280, 13},
                           "Odpočítavanie pred uspaním, vypnutím a reštartom:"};
  ui::SpinEdit Countdown{this, "Countdown", {296, 252, 60, 22}, 0,
                         WatchOptions::kMaxCountdownSeconds, 0, 0};
  ui::Label CountdownUnit{this, "CountdownUnit", {360, 256, 10, 13}, "s"};
  ui::Label CountdownText{this, "CountdownText", {30, 276, 338, 13},
                          "0 až 600 sekúnd, počas ktorých sa dá zrušiť; 0 koná hneď."};
  ui::CheckBox Hibernate{this, "Hibernate", {12, 298, 356, 17}};
  ui::Label HibernateText{this, "HibernateText", {30, 316, 338, 13}, ""};
  ui::CheckBox ForceExit{this, "ForceExit", {12, 338, 356, 17}};
  ui::Label ForceExitText{this, "ForceExitText", {30, 356, 338, 13},
                          "Programy sa zatvoria aj s neuloženou prácou, ktorá sa stratí."};
  ui::PushButton Ok{this, "Ok", {112, 384, 75, 25}, "OK"};
  ui::PushButton Cancel{this, "Cancel", {196, 384, 75, 25}, "Zrušiť"};
};

}  // namespace dozorik
