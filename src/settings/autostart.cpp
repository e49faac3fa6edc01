// What the program leaves in the user's run-once list for the next Windows
// start: itself, armed by "/r", and a program of the user's choice.

#include "app/usage.h"
#include "settings/path_shortening.h"

namespace dozorik {

namespace {

constexpr const char* kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// Windows skips a run-once command longer than this, without a word.
constexpr std::size_t kMaxRunOnceCommand = 260;

// Windows runs an unquoted path with blanks by trying its prefixes first
// ("C:\Program.exe"), which anyone who can write there could exploit.
std::string quoted(const std::string& path) { return path.empty() ? path : "\"" + path + "\""; }

// The length Windows counts: UTF-16 units of the UTF-8 text.
std::size_t windowsLength(const std::string& utf8) {
  std::size_t units = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++units;  // the first byte of a character
    if ((c & 0xF8) == 0xF0) ++units;  // beyond 16 bits: a surrogate pair
  }
  return units;
}

bool runnable(const std::string& command) { return windowsLength(command) <= kMaxRunOnceCommand; }

}  // namespace

void TUsage::CheckBox1Click() {
  std::string command =
      CheckBox1.checked() ? quoted(ports_.process.modulePath()) + " /r" : std::string();
  if (!runnable(command)) {
    // The box shows what Windows will do: nothing.
    showPlainMessage(texts_[Text::ProgramPathTooLong]);
    CheckBox1.setChecked(false);
    return;
  }
  if (!ports_.registry.writeString(kRunOnceKey, "Dozorik", command)) {
    showPlainMessage(texts_.format(Text::RunOnceWriteFailed, {"146"}));
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
    showPlainMessage(texts_[Text::RunOnceReadFailed]);
    return;
  }
  if (!program->empty()) CheckBox3.setChecked(true);
}

void TUsage::saveLaunchAfterStart() {
  std::string command =
      CheckBox3.checked() ? quoted(OpenDialog2.fileName()) + " " + Edit3.text() : std::string();
  if (!runnable(command)) {
    // The program and its parameter stay stored; only the entry Windows
    // would skip is left empty.
    showPlainMessage(texts_[Text::StartCommandTooLong]);
    command.clear();
  }
  if (!ports_.registry.writeString(kRunOnceKey, "AppDozorik", command)) {
    showPlainMessage(texts_.format(Text::RunOnceWriteFailed, {"145"}));
  }
}

}  // namespace dozorik
