#include "app/single_start.h"

#include "app/command_line.h"
#include "app/usage.h"

namespace dozorik {

namespace {

// This start takes the session's place: it opens its window, unless all it
// was asked is to stop a watch, and no watch runs.
StartChoice firstStart(const ParsedCommandLine& parsed) {
  if (parsed.ok() && parsed.command.onlyStop()) return {false, kExitDone};
  return {true, kExitDone};
}

StartChoice refused(MessageBoxes& messages, const Texts& texts, const std::string& text,
                    int exitCode) {
  messages.show(text, texts[Text::ProgramName], MessageIcon::Stop, MessageButtons::Ok);
  return {false, exitCode};
}

}  // namespace

StartChoice chooseStart(SingleInstance& instance, Process& process, MessageBoxes& messages,
                        const Texts& texts) {
  const std::vector<std::string> args = process.arguments();
  const ParsedCommandLine parsed =
      parseCommandLine(args, process.startFolder(), process.modulePath(), texts);
  if (parsed.command.help) {
    messages.show(commandLineUsage(texts), texts[Text::ProgramName], MessageIcon::Information,
                  MessageButtons::Ok);
    return {false, kExitDone};
  }
  if (instance.claim()) return firstStart(parsed);
  // Checked here, before anything reaches the running Dozorik, which then
  // changes nothing; the script learns of it from this start's exit code.
  if (!parsed.ok()) {
    return refused(messages, texts, commandLineErrorText(parsed.error, texts), kExitBadSwitches);
  }

  std::vector<std::string> message{process.startFolder()};
  message.insert(message.end(), args.begin(), args.end());
  switch (instance.handOver(message)) {
    case SingleInstance::Answer::Taken:
      return {false, kExitDone};
    case SingleInstance::Answer::Refused:
      return refused(messages, texts,
                     commandLineErrorText(texts[Text::SwitchesRefused], texts), kExitBadSwitches);
    case SingleInstance::Answer::NotReached:
      break;
  }
  // It ended meanwhile: this start takes its place.
  if (instance.claim()) return firstStart(parsed);
  return refused(messages, texts, texts[Text::RunningDoesNotAnswer], kExitNoAnswer);
}

void listenForLaterStarts(SingleInstance& instance, TUsage& window, ui::Application& application) {
  instance.listen({[&window](const std::vector<std::string>& message) {
                     return window.acceptsHandOver(message);
                   },
                   [&window, &application](const std::vector<std::string>& message) {
                     application.dispatch([&] { window.applyHandOver(message); });
                   }});
}

}  // namespace dozorik
