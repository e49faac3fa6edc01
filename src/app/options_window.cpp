#include "app/options_window.h"

#include "message/message_address.h"

namespace dozorik {

OptionsWindow::OptionsWindow(const Texts& texts) : ui::Form("Options", 400, 390), texts_(texts) {
  setText(texts_[Text::OptionsCaption]);
  setFont(ui::dialogFont());
  KeepAwakeNo.setText(texts_[Text::KeepAwakeNo]);
  KeepAwakeSystem.setText(texts_[Text::KeepAwakeSystem]);
  KeepAwakeDisplay.setText(texts_[Text::KeepAwakeDisplay]);
  BusyFirst.setText(texts_[Text::BusyFirst]);
  BusiestProcessor.setText(texts_[Text::BusiestProcessor]);
  LanguageSlovak.setText(texts_[Text::LanguageSlovak]);
  LanguageEnglish.setText(texts_[Text::LanguageEnglish]);
  Hibernate.setText(texts_[Text::Hibernate]);
  ForceExit.setText(texts_[Text::ForceExit]);
  FormNtfy.setText(texts_[Text::FormNtfy]);
  FormJson.setText(texts_[Text::FormJson]);
  FormTelegram.setText(texts_[Text::FormTelegram]);
  FormText.setText(texts_[Text::FormText]);
  setDefaultButton(Ok);
}

namespace {

// A signal's line: what it watches and its trap, or why Windows can't give it.
void showSignal(ui::SpinEdit& box, ui::Label& line, int value,
                const std::optional<std::string>& unavailable, const std::string& explanation) {
  box.setValue(value);
  box.setEnabled(!unavailable);
  line.setText(unavailable ? *unavailable : explanation);
}

}  // namespace

void OptionsWindow::show(const WatchOptions& options,
                         const std::optional<Power::Capabilities>& machine,
                         const signals::SignalSettings& signals, const Unavailable& unavailable) {
  switch (options.keepAwake) {
    case Power::Awake::No: KeepAwakeNo.setChecked(true); break;
    case Power::Awake::System: KeepAwakeSystem.setChecked(true); break;
    case Power::Awake::Display: KeepAwakeDisplay.setChecked(true); break;
  }
  QuietTicks.setValue(options.quietTicks);
  Spikes.setValue(options.spikeTolerance);
  BusyFirst.setChecked(options.busyFirst);
  BusiestProcessor.setChecked(options.busiestProcessor);
  Countdown.setValue(options.countdownSeconds);
  // Where the system can't tell, the choice stays open.
  const bool canHibernate = !machine || machine->hibernation;
  Hibernate.setChecked(options.hibernate);
  Hibernate.setEnabled(canHibernate);
  HibernateText.setText(texts_[canHibernate ? Text::HibernateText : Text::HibernationOff]);
  ForceExit.setChecked(options.forceExit);
  showSignal(Gpu, GpuText, signals.gpuPercent, unavailable.gpu, texts_[Text::GpuText]);
  showSignal(Disk, DiskText, signals.diskMegabytes, unavailable.disk, texts_[Text::DiskText]);
  showSignal(Network, NetworkText, signals.networkKilobytes, unavailable.network,
             texts_[Text::NetworkText]);
  Program.setText(signals::programNamesText(signals.programs));
}

WatchOptions OptionsWindow::chosen() const {
  WatchOptions options;
  options.keepAwake = KeepAwakeNo.checked()        ? Power::Awake::No
                      : KeepAwakeDisplay.checked() ? Power::Awake::Display
                                                   : Power::Awake::System;
  options.quietTicks = QuietTicks.value();
  options.spikeTolerance = Spikes.value();
  options.busyFirst = BusyFirst.checked();
  options.busiestProcessor = BusiestProcessor.checked();
  options.countdownSeconds = Countdown.value();
  options.hibernate = Hibernate.checked();
  options.forceExit = ForceExit.checked();
  return options;
}

void OptionsWindow::showLanguage(Language language) {
  (language == Language::English ? LanguageEnglish : LanguageSlovak).setChecked(true);
}

Language OptionsWindow::chosenLanguage() const {
  return LanguageEnglish.checked() ? Language::English : Language::Slovak;
}

void OptionsWindow::showMessage(const MessageSettings& message) {
  MessageAddress.setText(message.address);
  switch (message.form) {
    case MessageForm::Ntfy: FormNtfy.setChecked(true); break;
    case MessageForm::Json: FormJson.setChecked(true); break;
    case MessageForm::Telegram: FormTelegram.setChecked(true); break;
    case MessageForm::Text: FormText.setChecked(true); break;
  }
  MessageResult.setText("");
}

MessageSettings OptionsWindow::chosenMessage() const {
  MessageSettings message;
  message.address = withoutBlanksAround(MessageAddress.text());
  message.form = FormJson.checked()       ? MessageForm::Json
                 : FormTelegram.checked() ? MessageForm::Telegram
                 : FormText.checked()     ? MessageForm::Text
                                          : MessageForm::Ntfy;
  return message;
}

signals::SignalSettings OptionsWindow::chosenSignals() const {
  signals::SignalSettings chosen;
  chosen.gpuPercent = Gpu.value();
  chosen.diskMegabytes = Disk.value();
  chosen.networkKilobytes = Network.value();
  chosen.programs = signals::programNamesFromText(Program.text());
  return chosen;
}

}  // namespace dozorik
