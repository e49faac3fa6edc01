#include "message/message_texts.h"

#include "message/message_address.h"

namespace dozorik {

namespace {

// "Dozorik na PC-KUCHYNA: "; a computer without a name leaves the name out.
std::string opening(const std::string& computer) {
  return computer.empty() ? "Dozorik: " : "Dozorik na " + computer + ": ";
}

std::string seconds(std::chrono::milliseconds quiet) {
  const long long tenths = (quiet.count() + 50) / 100;
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10 != 0) text += "," + std::to_string(tenths % 10);
  return text + " s";
}

// A reason ends the sentence: its own full stop or exclamation mark, and
// blanks, are dropped so that it ends with one full stop.
std::string withoutClosingMarks(const std::string& reason) {
  std::string text = withoutBlanksAround(reason);
  while (!text.empty() && (text.back() == '.' || text.back() == '!' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

}  // namespace

std::string endActionName(EndAction action) {
  switch (action) {
    case EndAction::LaunchFile:
      return "spustenie súboru";
    case EndAction::Sleep:
      return "uspanie počítača";
    case EndAction::ShutDown:
      return "vypnutie počítača";
    case EndAction::Restart:
      return "reštart počítača";
    case EndAction::Beep:
      return "pípnutie";
  }
  return {};
}

std::string watchEndedText(const std::string& computer, const std::string& time,
                           int thresholdPercent, std::chrono::milliseconds quiet,
                           EndAction action) {
  return opening(computer) + "úloha skončila o " + time + " (záťaž pod " +
         std::to_string(thresholdPercent) + " % " + seconds(quiet) +
         "). Akcia: " + endActionName(action) + ".";
}

std::string actionFailedText(const std::string& computer, const std::string& time, EndAction action,
                             const std::string& reason) {
  const std::string why = withoutClosingMarks(reason);
  return opening(computer) + "akcia " + endActionName(action) + " zlyhala o " + time +
         (why.empty() ? "" : ": " + why) + ".";
}

std::string testMessageText(const std::string& computer, const std::string& time) {
  return opening(computer) + "skúšobná správa o " + time + ".";
}

}  // namespace dozorik
