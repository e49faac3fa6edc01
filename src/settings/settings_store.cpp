// Every setting of the window lives as a string value under the program's
// registry key: restored when the window is created, saved when it closes.

#include "app/usage.h"
#include "message/message_address.h"
#include "platform/error.h"
#include "settings/program_key.h"
#include "ui/integer_text.h"

namespace dozorik {

namespace {

constexpr const char* kVersion = "1.7";

// A stored number; anything else is reported as the conversion would.
int integerValue(const std::string& text) {
  if (auto value = ui::integerFromText(text)) return *value;
  throw Error("'" + text + "' is not a valid integer value");
}

const char* flag(bool on) { return on ? "true" : "false"; }

}  // namespace

std::string TUsage::regeditread(const std::string& name) {
  return ports_.registry.readString(kProgramKey, name).value_or("");
}

void TUsage::regeditwrite(const std::string& name, const std::string& value) {
  if (!ports_.registry.writeString(kProgramKey, name, value)) {
    showPlainMessage(texts_.format(Text::RegistryWriteFailed, {name}));
  }
}

void TUsage::showPlainMessage(const std::string& text) {
  // Inside a tick, the box waits until the tick is done (see report()).
  if (tickDepth_ > 0) {
    putOffBoxes_.push_back({text, false});
    return;
  }
  ports_.messages.show(text, texts_[Text::ProgramName], MessageIcon::None, MessageButtons::Ok);
}

void TUsage::FormCreate() {
  const auto read = [this](const std::string& name) { return regeditread(name); };
  useOptions(readWatchOptions(read));
  signals_.configure(signals::readSignalSettings(read));
  message_ = {withoutBlanksAround(regeditread(kMessageAddressValue)),
              messageFormNamed(regeditread(kMessageFormValue))};
  // A damaged number is reported and skipped; the rest of the restore, with
  // the marker and the start-up entries, still runs.
  application_.dispatch([this] {
    if (!regeditread("Vytazenost").empty()) {
      TrackBar1.setPosition(integerValue(regeditread("Vytazenost")));
    }
  });
  StatusBar1.setPanelText(2, regeditread("Start") + " ==> " + regeditread("End"));
  TrackBar1Change();
  std::string version = kVersion;
  version.replace(version.find('.'), 1, ports_.locale.decimalSeparator());
  StatusBar1.setPanelText(0, texts_.format(Text::Version, {version}));

  OpenDialog1.setFileName(regeditread("Launchafter"));
  RadioButton0.setHint(OpenDialog1.fileName() + Edit2.text());
  if (!regeditread("Parameter1").empty()) Edit2.setText(regeditread("Parameter1"));
  if (!regeditread("Parameter2").empty()) Edit3.setText(regeditread("Parameter2"));
  Button1.setHint(OpenDialog1.fileName() + Edit2.text());
  Label1.setHint(OpenDialog1.fileName() + Edit2.text());
  Edit2.setHint(OpenDialog1.fileName() + Edit2.text());
  OpenDialog2.setFileName(regeditread("App"));
  CheckBox4.setHint(texts_.format(Text::SaveToHint, {recordsFolder()}));
  showAfterStartCommand(regeditread("App") + " " + regeditread("Parameter2"));
  application_.dispatch([this] {
    if (!regeditread("Sekund").empty()) SpinEdit1.setValue(integerValue(regeditread("Sekund")));
  });

  if (regeditread("colaps") == "true") {
    ports_.messages.show(texts_[Text::UncleanEnd], texts_[Text::Warning], MessageIcon::Warning,
                         MessageButtons::Ok);
  }
  regeditwrite("colaps", "true");

  if (regeditread("logfile") == "true") CheckBox5.setChecked(true);
  CheckBox4.setChecked(regeditread("screenshot") == "true");
  // "4" is the beep and "5" the restart: the reverse of the buttons' names.
  if (regeditread("Vyber") == "1") RadioButton0.setChecked(true);
  if (regeditread("Vyber") == "2") RadioButton1.setChecked(true);
  if (regeditread("Vyber") == "3") RadioButton2.setChecked(true);
  if (regeditread("Vyber") == "5") RadioButton3.setChecked(true);
  if (regeditread("Vyber") == "4") RadioButton4.setChecked(true);
  if (regeditread("LogType") == "txt") {
    RadioButton5.setChecked(true);
  } else {
    RadioButton6.setChecked(true);
  }
  if (regeditread("Prezvonit") == "true") CheckBox2.setChecked(true);
  Edit1.setText(regeditread("Telefon"));

  restoreRunOnceEntries();
  applyStartSwitches();
}

bool TUsage::closeQuery() {
  bool canClose = true;
  FormCloseQuery(canClose);
  return canClose;
}

void TUsage::FormCloseQuery(bool& canClose) {
  // Closing: an end action the stop brings forward runs at once, and a
  // ring-out about to dial dials nothing.
  closing_ = true;
  try {
    SpeedButton2Click();
  } catch (...) {
    // A stop that failed half-way (the spreadsheet can't be written) keeps
    // the window open, with the watch and nothing lost; the user can try again.
    closing_ = false;
    keepAwakeWhileWatching();
    throw;
  }
  saveSettings();
  canClose = true;
}

void TUsage::sessionEnd(bool ending) {
  // Cancelled: nothing was done when Windows asked, so nothing is undone.
  if (!ending) return;
  closing_ = true;
  try {
    SpeedButton2Click();
  } catch (const std::exception&) {
    // The session ends all the same, and nobody is left to read a box.
  }
  saveSettings();
}

void TUsage::saveSettings() {
  if (RadioButton0.checked()) regeditwrite("Vyber", "1");
  if (RadioButton1.checked()) regeditwrite("Vyber", "2");
  if (RadioButton2.checked()) regeditwrite("Vyber", "3");
  if (RadioButton4.checked()) regeditwrite("Vyber", "4");
  if (RadioButton3.checked()) regeditwrite("Vyber", "5");
  if (RadioButton5.checked()) regeditwrite("LogType", "txt");
  if (RadioButton6.checked()) regeditwrite("LogType", "xls");
  regeditwrite("Logfile", flag(CheckBox5.checked()));
  regeditwrite("Prezvonit", flag(CheckBox2.checked()));
  regeditwrite("screenshot", flag(CheckBox4.checked()));
  regeditwrite("Telefon", Edit1.text());
  regeditwrite("Parameter1", Edit2.text());
  regeditwrite("Parameter2", Edit3.text());
  regeditwrite("Sekund", std::to_string(SpinEdit1.value()));
  regeditwrite("colaps", "false");
  regeditwrite("Vytazenost", std::to_string(TrackBar1.position()));
  regeditwrite("Launchafter", OpenDialog1.fileName());
  regeditwrite("App", OpenDialog2.fileName());
  saveLaunchAfterStart();
  keepAwakeWhileWatching();
}

}  // namespace dozorik
