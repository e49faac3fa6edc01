#include "message/message_texts.h"

#include "message/message_address.h"

namespace dozorik {

namespace {

// "Dozorik na PC-KUCHYNA: "; a computer without a name leaves the name out.
std::string opening(const std::string& computer, const Texts& texts) {
  return computer.empty() ? texts[Text::MessageFromNoName]
                          : texts.format(Text::MessageFrom, {computer});
}

std::string seconds(std::chrono::milliseconds quiet, const Texts& texts) {
  const long long tenths = (quiet.count() + 50) / 100;
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10 != 0) text += texts[Text::DecimalMark] + std::to_string(tenths % 10);
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

std::string endActionName(EndAction action, const Texts& texts) {
  switch (action) {
    case EndAction::LaunchFile:
      return texts[Text::LaunchingTheFile];
    case EndAction::Sleep:
      return texts[Text::PuttingToSleep];
    case EndAction::ShutDown:
      return texts[Text::ShuttingDown];
    case EndAction::Restart:
      return texts[Text::Restarting];
    case EndAction::Beep:
      return texts[Text::Beeping];
  }
  return {};
}

std::string watchEndedText(const std::string& computer, const std::string& time,
                           int thresholdPercent, std::chrono::milliseconds quiet, EndAction action,
                           const Texts& texts) {
  return texts.format(Text::WatchEnded,
                      {opening(computer, texts), time, std::to_string(thresholdPercent),
                       seconds(quiet, texts), endActionName(action, texts)});
}

std::string actionFailedText(const std::string& computer, const std::string& time, EndAction action,
                             const std::string& reason, const Texts& texts) {
  const std::string why = withoutClosingMarks(reason);
  return texts.format(Text::ActionFailed, {opening(computer, texts), endActionName(action, texts),
                                           time, why.empty() ? "" : ": " + why});
}

std::string testMessageText(const std::string& computer, const std::string& time,
                            const Texts& texts) {
  return texts.format(Text::TestMessageText, {opening(computer, texts), time});
}

}  // namespace dozorik
