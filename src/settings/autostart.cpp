// What the program leaves in the user's run-once list for the next Windows
// start: itself, armed by "/r", and a program of the user's choice.

#include "app/usage.h"
#include "settings/path_shortening.h"

namespace dozorik {

namespace {

constexpr const char* kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// Windows runs an unquoted path with blanks by trying its prefixes first
// ("C:\Program.exe"), which anyone who can write there could exploit.
std::string quoted(const std::string& path) { return path.empty() ? path : "\"" + path + "\""; }

}  // namespace

void TUsage::CheckBox1Click() {
  const std::string command =
      CheckBox1.checked() ? quoted(ports_.process.modulePath()) + " /r" : std::string();
  if (!ports_.registry.writeString(kRunOnceKey, "Dozorik", command)) {
    showPlainMessage("Chyba pri zápise do registra(146)!!!");
  }
}

void TUsage::CheckBox3Click() {
  if (OpenDialog2.fileName().empty()) OpenDialog2.execute();
  showAfterStartCommand(OpenDialog2.fileName() + " " + Edit3.text());
}

void TUsage::Button2Click() {
  OpenDialog2.execute();
  showAfterStartCommand(OpenDialog2.fileName() + " " + Edit3.text());
}

void TUsage::Edit3Change() { showAfterStartCommand(OpenDialog2.fileName() + " " + Edit3.text()); }

void TUsage::showAfterStartCommand(const std::string& command) {
  const ui::Font font = Label3.font();
  Label3.setText(shortenPath(command, Label3.rect().width, [&](const std::string& text) {
    return ports_.textMeasure.width(text, font.face, font.height, font.bold);
  }));
}

void TUsage::restoreRunOnceEntries() {
  const auto self = ports_.registry.readString(kRunOnceKey, "Dozorik");
  if (self && !self->empty()) CheckBox1.setChecked(true);
  const auto program = self ? ports_.registry.readString(kRunOnceKey, "AppDozorik") : std::nullopt;
  if (!program) {
    // The key can't be opened: nothing of it is restored.
    showPlainMessage("Chyba pri citani z registra(142)!!!");
    return;
  }
  if (!program->empty()) CheckBox3.setChecked(true);
}

void TUsage::saveLaunchAfterStart() {
  const std::string command =
      CheckBox3.checked() ? quoted(OpenDialog2.fileName()) + " " + Edit3.text() : std::string();
  if (!ports_.registry.writeString(kRunOnceKey, "AppDozorik", command)) {
    showPlainMessage("Chyba pri zápise do registra(145)!!!");
  }
}

}  // namespace dozorik
