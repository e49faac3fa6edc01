#pragma once

#include <optional>
#include <string>

#include "app/watch_options.h"
#include "message/message_sender.h"
#include "platform/power.h"
#include "signals/signal_settings.h"
#include "texts/texts.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"

namespace dozorik {

// "Ďalšie nastavenia...": the watch's further options on pages of their own,
// each with a line that says what it does, and the language of the next
// start. Opened from the main window's system menu; its buttons are the main
// window's to handle.
class OptionsWindow : public ui::Form {
  // The texts of the language this run was started in; first, as the
  // controls below take their captions from them.
  const Texts texts_;

 public:
  // Why each signal can't hold a watch on this Windows, or nothing.
  struct Unavailable {
    std::optional<std::string> gpu, disk, network;
  };

  explicit OptionsWindow(const Texts& texts = Texts());

  // Shows these options in the controls; what the machine can't do (no
  // hibernation file, a signal Windows does not provide) is shown disabled,
  // with the reason.
  void show(const WatchOptions& options, const std::optional<Power::Capabilities>& machine,
            const signals::SignalSettings& signals, const Unavailable& unavailable);
  // The options as the controls hold them; numbers out of range clamped,
  // text that is no number read as the option's default.
  WatchOptions chosen() const;
  signals::SignalSettings chosenSignals() const;
  // The language of the next start, shown and as the page holds it.
  void showLanguage(Language language);
  Language chosenLanguage() const;
  // The message's address and form, shown and as the page holds them.
  void showMessage(const MessageSettings& message);
  MessageSettings chosenMessage() const;

  ui::PageControl Pages{this, "Pages", {8, 8, 384, 340}};

  ui::Page Watch{&Pages, "Watch", texts_[Text::WatchPage]};
  ui::Label KeepAwakeLabel{&Watch, "KeepAwakeLabel", {8, 6, 220, 13}, texts_[Text::KeepAwakeLabel]};
  ui::RadioButton KeepAwakeNo{&Watch, "KeepAwakeNo", {26, 22, 50, 17}};
  ui::RadioButton KeepAwakeSystem{&Watch, "KeepAwakeSystem", {86, 22, 50, 17}};
  ui::RadioButton KeepAwakeDisplay{&Watch, "KeepAwakeDisplay", {146, 22, 120, 17}};
  ui::Label KeepAwakeText{&Watch, "KeepAwakeText", {26, 42, 340, 13}, texts_[Text::KeepAwakeText]};
  ui::Label DisplayText{&Watch, "DisplayText", {26, 56, 340, 13}, texts_[Text::DisplayText]};
  ui::Label QuietTicksLabel{
      &Watch, "QuietTicksLabel", {8, 82, 220, 13}, texts_[Text::QuietTicksLabel]};
  ui::SpinEdit QuietTicks{&Watch, "QuietTicks", {292, 78, 60, 22}, WatchOptions::kMinQuietTicks,
                          WatchOptions::kMaxQuietTicks, 250, 250};
  ui::Label QuietTicksText{
      &Watch, "QuietTicksText", {26, 102, 340, 13}, texts_[Text::QuietTicksText]};
  ui::Label SpikesLabel{&Watch, "SpikesLabel", {8, 126, 220, 13}, texts_[Text::SpikesLabel]};
  ui::SpinEdit Spikes{&Watch, "Spikes", {292, 122, 60, 22}, 0, WatchOptions::kMaxSpikeTolerance,
                      0, 0};
  ui::Label SpikesText{&Watch, "SpikesText", {26, 146, 340, 13}, texts_[Text::SpikesText]};
  ui::CheckBox BusyFirst{&Watch, "BusyFirst", {8, 168, 352, 17}};
  ui::Label BusyFirstText{&Watch, "BusyFirstText", {26, 186, 340, 13}, texts_[Text::BusyFirstText]};
  ui::CheckBox BusiestProcessor{&Watch, "BusiestProcessor", {8, 208, 352, 17}};
  ui::Label BusiestProcessorText{
      &Watch, "BusiestProcessorText", {26, 226, 340, 13}, texts_[Text::BusiestProcessorText]};
  // Apart from the radio buttons above: a group of its own.
  ui::GroupBox LanguageGroup{
      &Watch, "LanguageGroup", {8, 246, 352, 58}, texts_[Text::LanguageGroup]};
  ui::RadioButton LanguageSlovak{&LanguageGroup, "LanguageSlovak", {18, 16, 100, 17}};
  ui::RadioButton LanguageEnglish{&LanguageGroup, "LanguageEnglish", {128, 16, 100, 17}};
  ui::Label LanguageText{
      &LanguageGroup, "LanguageText", {18, 36, 326, 13}, texts_[Text::LanguageText]};

  ui::Page End{&Pages, "End", texts_[Text::EndPage]};
  ui::Label CountdownLabel{&End, "CountdownLabel", {8, 10, 280, 13}, texts_[Text::CountdownLabel]};
  ui::SpinEdit Countdown{&End, "Countdown", {292, 6, 60, 22}, 0,
                         WatchOptions::kMaxCountdownSeconds, 0, 0};
  ui::Label CountdownUnit{&End, "CountdownUnit", {356, 10, 10, 13}, texts_[Text::SecondsUnit]};
  ui::Label CountdownText{&End, "CountdownText", {26, 30, 340, 13}, texts_[Text::CountdownText]};
  ui::CheckBox Hibernate{&End, "Hibernate", {8, 54, 352, 17}};
  ui::Label HibernateText{&End, "HibernateText", {26, 72, 340, 13}, ""};
  ui::CheckBox ForceExit{&End, "ForceExit", {8, 96, 352, 17}};
  ui::Label ForceExitText{&End, "ForceExitText", {26, 114, 340, 13}, texts_[Text::ForceExitText]};

  ui::Page Signals{&Pages, "Signals", texts_[Text::SignalsPage]};
  ui::Label SignalsText{&Signals, "SignalsText", {8, 6, 360, 13}, texts_[Text::SignalsText]};
  ui::Label GpuLabel{&Signals, "GpuLabel", {8, 32, 270, 13}, texts_[Text::GpuLabel]};
  ui::SpinEdit Gpu{&Signals, "Gpu", {292, 28, 60, 22}, 0, signals::SignalSettings::kMaxGpuPercent,
                   0, 0};
  ui::Label GpuText{&Signals, "GpuText", {26, 52, 340, 13}, ""};
  ui::Label DiskLabel{&Signals, "DiskLabel", {8, 78, 270, 13}, texts_[Text::DiskLabel]};
  ui::SpinEdit Disk{&Signals, "Disk", {292, 74, 60, 22}, 0,
                    signals::SignalSettings::kMaxDiskMegabytes, 0, 0};
  ui::Label DiskText{&Signals, "DiskText", {26, 98, 340, 13}, ""};
  ui::Label NetworkLabel{&Signals, "NetworkLabel", {8, 124, 250, 13}, texts_[Text::NetworkLabel]};
  ui::SpinEdit Network{&Signals, "Network", {272, 120, 80, 22}, 0,
                       signals::SignalSettings::kMaxNetworkKilobytes, 0, 0};
  ui::Label NetworkText{&Signals, "NetworkText", {26, 144, 340, 13}, ""};
  ui::Label ProgramLabel{&Signals, "ProgramLabel", {8, 170, 340, 13}, texts_[Text::ProgramLabel]};
  ui::Edit Program{&Signals, "Program", {26, 186, 326, 21}, 1000};
  ui::Label ProgramText{&Signals, "ProgramText", {26, 210, 340, 13}, texts_[Text::ProgramText]};

  ui::Page Message{&Pages, "Message", texts_[Text::MessagePage]};
  ui::Label MessageLabel{&Message, "MessageLabel", {8, 6, 360, 13}, texts_[Text::MessageLabel]};
  ui::Edit MessageAddress{&Message, "MessageAddress", {8, 22, 352, 21}, 2000};
  ui::Label MessageFormLabel{
      &Message, "MessageFormLabel", {8, 52, 60, 13}, texts_[Text::MessageFormLabel]};
  ui::RadioButton FormNtfy{&Message, "FormNtfy", {70, 50, 50, 17}};
  ui::RadioButton FormJson{&Message, "FormJson", {124, 50, 128, 17}};
  ui::RadioButton FormTelegram{&Message, "FormTelegram", {256, 50, 70, 17}};
  ui::RadioButton FormText{&Message, "FormText", {70, 70, 50, 17}};
  ui::Label MessageText{&Message, "MessageText", {8, 96, 360, 13}, texts_[Text::MessageText]};
  ui::Label SecretText{&Message, "SecretText", {8, 112, 360, 13}, texts_[Text::SecretText]};
  ui::PushButton TestMessage{&Message, "TestMessage", {8, 136, 170, 25}, texts_[Text::TestMessage]};
  ui::Label MessageResult{&Message, "MessageResult", {8, 168, 360, 13}, ""};

  ui::PushButton Ok{this, "Ok", {116, 356, 75, 25}, texts_[Text::Ok]};
  ui::PushButton Cancel{this, "Cancel", {204, 356, 75, 25}, texts_[Text::Cancel]};
};

}  // namespace dozorik
