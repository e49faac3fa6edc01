// The switches of a command line, applied to the window as its user sets the
// same controls and options: this start's own, at the end of the restore, or
// those a later start hands over while this one runs.

#include "app/command_line.h"
#include "app/usage.h"

namespace dozorik {

namespace {

// A later start's message: the folder it was started in, then its arguments.
// Only whether it is right counts here: a wrong one was told by the later
// start itself.
ParsedCommandLine parsedMessage(const std::vector<std::string>& message,
                                const std::string& programPath) {
  if (message.empty()) return {{}, "empty"};
  return parseCommandLine({message.begin() + 1, message.end()}, message.front(), programPath);
}

}  // namespace

void TUsage::applyStartSwitches() {
  const ParsedCommandLine parsed =
      parseCommandLine(ports_.process.arguments(), ports_.process.startFolder(),
                       ports_.process.modulePath(), texts_);
  if (!parsed.ok()) {
    // Nothing is set and nothing armed: the window stays as it was stored.
    ports_.messages.show(commandLineErrorText(parsed.error, texts_), texts_[Text::ProgramName],
                         MessageIcon::Stop, MessageButtons::Ok);
    return;
  }
  applyCommand(parsed.command);
}

bool TUsage::acceptsHandOver(const std::vector<std::string>& message) {
  return parsedMessage(message, ports_.process.modulePath()).ok();
}

void TUsage::applyHandOver(const std::vector<std::string>& message) {
  const ParsedCommandLine parsed = parsedMessage(message, ports_.process.modulePath());
  if (!parsed.ok()) return;
  // A start without switches only wants to see the window.
  if (parsed.command.empty()) {
    application_.showForm(*this);
    return;
  }
  applyCommand(parsed.command);
}

// Everything was checked before: each switch sets its control or option, the
// stop comes after them and the arming last, with all of them in place.
void TUsage::applyCommand(const Command& command) {
  if (command.thresholdPosition) TrackBar1.setPosition(*command.thresholdPosition);
  // In the order the user goes: the file, the launch that opens it (which
  // asks for a file when none is known), its parameter.
  if (command.file) {
    // As the file dialog of Button1 leaves them.
    OpenDialog1.setFileName(*command.file);
    setLaunchHints(OpenDialog1.fileName() + Edit2.text());
  }
  if (command.action) {
    switch (*command.action) {
      case EndAction::LaunchFile: RadioButton0.setChecked(true); break;
      case EndAction::Sleep: RadioButton1.setChecked(true); break;
      case EndAction::ShutDown: RadioButton2.setChecked(true); break;
      case EndAction::Restart: RadioButton3.setChecked(true); break;
      case EndAction::Beep: RadioButton4.setChecked(true); break;
    }
  }
  if (command.parameter) Edit2.setText(*command.parameter);
  if (command.quietTicks || command.countdownSeconds || command.programs) {
    WatchOptions options = options_;
    signals::SignalSettings signalSettings = signals_.settings();
    if (command.quietTicks) options.quietTicks = *command.quietTicks;
    if (command.countdownSeconds) options.countdownSeconds = *command.countdownSeconds;
    if (command.programs) {
      signalSettings.programs = signals::programNamesFromText(*command.programs);
    }
    storeFurtherOptions(options, signalSettings);
  }
  if (command.stop) SpeedButton2Click();
  if (command.arm) SpeedButton1Click();
}

}  // namespace dozorik
