#pragma once

#include <optional>
#include <string>

#include "app/watch_options.h"
#include "message/message_sender.h"
#include "platform/power.h"
#include "signals/signal_settings.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"

namespace dozorik {

// "Ďalšie nastavenia...": the watch's further options on pages of their own,
// each with a line that says what it does. Opened from the main window's
// system menu; its buttons are the main window's to handle.
class OptionsWindow : public ui::Form {
 public:
  // Why each signal can't hold a watch on this Windows, or nothing.
  struct Unavailable {
    std::optional<std::string> gpu, disk, network;
  };

  OptionsWindow();

  // Shows these options in the controls; what the machine can't do (no
  // hibernation file, a signal Windows does not provide) is shown disabled,
  // with the reason.
  void show(const WatchOptions& options, const std::optional<Power::Capabilities>& machine,
            const signals::SignalSettings& signals, const Unavailable& unavailable);
  // The options as the controls hold them; numbers out of range clamped,
  // text that is no number read as the option's default.
  WatchOptions chosen() const;
  signals::SignalSettings chosenSignals() const;
  // The message's address and form, shown and as the page holds them.
  void showMessage(const MessageSettings& message);
  MessageSettings chosenMessage() const;

  ui::PageControl Pages{this, "Pages", {8, 8, 384, 300}};

  ui::Page Watch{&Pages, "Watch", "Stráženie"};
  ui::Label KeepAwakeLabel{&Watch, "KeepAwakeLabel", {8, 6, 220, 13}, "Nenechať počítač zaspať:"};
  ui::RadioButton KeepAwakeNo{&Watch, "KeepAwakeNo", {26, 22, 50, 17}};
  ui::RadioButton KeepAwakeSystem{&Watch, "KeepAwakeSystem", {86, 22, 50, 17}};
  ui::RadioButton KeepAwakeDisplay{&Watch, "KeepAwakeDisplay", {146, 22, 120, 17}};
  ui::Label KeepAwakeText{&Watch, "KeepAwakeText", {26, 42, 340, 13},
                          "Kým sa stráži, zvoní či odpočítava, Windows počítač neuspí."};
  ui::Label DisplayText{&Watch, "DisplayText", {26, 56, 340, 13},
                        "Notebook s Modern Standby na batérii drží len „aj displej\"."};
  ui::Label QuietTicksLabel{&Watch, "QuietTicksLabel", {8, 82, 220, 13},
                            "Tiché tiky do konca stráženia:"};
  ui::SpinEdit QuietTicks{&Watch, "QuietTicks", {292, 78, 60, 22}, WatchOptions::kMinQuietTicks,
                          WatchOptions::kMaxQuietTicks, 250, 250};
  ui::Label QuietTicksText{&Watch, "QuietTicksText", {26, 102, 340, 13},
                           "25 až 3000 tikov po 200 ms; 250 tikov je 50 sekúnd."};
  ui::Label SpikesLabel{&Watch, "SpikesLabel", {8, 126, 220, 13}, "Prepáčené výkyvy:"};
  ui::SpinEdit Spikes{&Watch, "Spikes", {292, 122, 60, 22}, 0, WatchOptions::kMaxSpikeTolerance,
                      0, 0};
  ui::Label SpikesText{&Watch, "SpikesText", {26, 146, 340, 13},
                       "Toľko tikov nad hranicou za sebou ticho nepreruší (0 až 50)."};
  ui::CheckBox BusyFirst{&Watch, "BusyFirst", {8, 168, 352, 17}};
  ui::Label BusyFirstText{&Watch, "BusyFirstText", {26, 186, 340, 13},
                          "Tiché tiky sa rátajú až po 10 tikoch nad hranicou za sebou."};
  ui::CheckBox BusiestProcessor{&Watch, "BusiestProcessor", {8, 208, 352, 17}};
  ui::Label BusiestProcessorText{&Watch, "BusiestProcessorText", {26, 226, 340, 13},
                                 "Záťaž najvyťaženejšieho procesora namiesto celkovej."};

  ui::Page End{&Pages, "End", "Koniec"};
  ui::Label CountdownLabel{&End, "CountdownLabel", {8, 10, 280, 13},
                           "Odpočítavanie pred uspaním, vypnutím a reštartom:"};
  ui::SpinEdit Countdown{&End, "Countdown", {292, 6, 60, 22}, 0,
                         WatchOptions::kMaxCountdownSeconds, 0, 0};
  ui::Label CountdownUnit{&End, "CountdownUnit", {356, 10, 10, 13}, "s"};
  ui::Label CountdownText{&End, "CountdownText", {26, 30, 340, 13},
                          "0 až 600 sekúnd, počas ktorých sa dá zrušiť; 0 koná hneď."};
  ui::CheckBox Hibernate{&End, "Hibernate", {8, 54, 352, 17}};
  ui::Label HibernateText{&End, "HibernateText", {26, 72, 340, 13}, ""};
  ui::CheckBox ForceExit{&End, "ForceExit", {8, 96, 352, 17}};
  ui::Label ForceExitText{&End, "ForceExitText", {26, 114, 340, 13},
                          "Programy sa zatvoria aj s neuloženou prácou, ktorá sa stratí."};

  ui::Page Signals{&Pages, "Signals", "Signály"};
  ui::Label SignalsText{&Signals, "SignalsText", {8, 6, 360, 13},
                        "Stráži sa, kým je nad hranicou procesor alebo zapnutý signál."};
  ui::Label GpuLabel{&Signals, "GpuLabel", {8, 32, 270, 13}, "Grafická karta (%, 0 = vypnuté):"};
  ui::SpinEdit Gpu{&Signals, "Gpu", {292, 28, 60, 22}, 0, signals::SignalSettings::kMaxGpuPercent,
                   0, 0};
  ui::Label GpuText{&Signals, "GpuText", {26, 52, 340, 13}, ""};
  ui::Label DiskLabel{&Signals, "DiskLabel", {8, 78, 270, 13}, "Disky (MB/s, 0 = vypnuté):"};
  ui::SpinEdit Disk{&Signals, "Disk", {292, 74, 60, 22}, 0,
                    signals::SignalSettings::kMaxDiskMegabytes, 0, 0};
  ui::Label DiskText{&Signals, "DiskText", {26, 98, 340, 13}, ""};
  ui::Label NetworkLabel{&Signals, "NetworkLabel", {8, 124, 250, 13}, "Sieť (kB/s, 0 = vypnuté):"};
  ui::SpinEdit Network{&Signals, "Network", {272, 120, 80, 22}, 0,
                       signals::SignalSettings::kMaxNetworkKilobytes, 0, 0};
  ui::Label NetworkText{&Signals, "NetworkText", {26, 144, 340, 13}, ""};
  ui::Label ProgramLabel{&Signals, "ProgramLabel", {8, 170, 340, 13},
                         "Programy, kým niektorý beží (názvy oddelené ;):"};
  ui::Edit Program{&Signals, "Program", {26, 186, 326, 21}, 1000};
  ui::Label ProgramText{&Signals, "ProgramText", {26, 210, 340, 13},
                        "Napríklad ffmpeg.exe;HandBrakeCLI.exe; stačí názov, bez cesty."};

  ui::Page Message{&Pages, "Message", "Správa"};
  ui::Label MessageLabel{&Message, "MessageLabel", {8, 6, 360, 13},
                         "Správa na telefón, adresa http:// alebo https:// (prázdna = žiadna):"};
  ui::Edit MessageAddress{&Message, "MessageAddress", {8, 22, 352, 21}, 2000};
  ui::Label MessageFormLabel{&Message, "MessageFormLabel", {8, 52, 60, 13}, "Spôsob:"};
  ui::RadioButton FormNtfy{&Message, "FormNtfy", {70, 50, 50, 17}};
  ui::RadioButton FormJson{&Message, "FormJson", {124, 50, 128, 17}};
  ui::RadioButton FormTelegram{&Message, "FormTelegram", {256, 50, 70, 17}};
  ui::RadioButton FormText{&Message, "FormText", {70, 70, 50, 17}};
  ui::Label MessageText{&Message, "MessageText", {8, 96, 360, 13},
                        "Odíde pred akciou na konci, ktorá naň čaká najviac 10 s."};
  ui::Label SecretText{&Message, "SecretText", {8, 112, 360, 13},
                       "Adresa sa nikde nezapisuje, ani do záznamov, ani do stavového riadka."};
  ui::PushButton TestMessage{&Message, "TestMessage", {8, 136, 170, 25}, "Poslať skúšobnú správu"};
  ui::Label MessageResult{&Message, "MessageResult", {8, 168, 360, 13}, ""};

  ui::PushButton Ok{this, "Ok", {116, 316, 75, 25}, "OK"};
  ui::PushButton Cancel{this, "Cancel", {204, 316, 75, 25}, "Zrušiť"};
};

}  // namespace dozorik
