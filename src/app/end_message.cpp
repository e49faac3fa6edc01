// The message to the phone: sent at the end of a watch, after the records
// and before the ring-out or the end action, and again when the end action
// then fails. The window's messages run while it is on its way, and it
// holds the end up at most its bound; a failure is told in the status bar
// and the end goes on. The address may carry a token: nothing here writes
// it anywhere.

#include "app/plain_letters.h"
#include "app/time_of_day.h"
#include "app/usage.h"
#include "message/message_address.h"
#include "message/message_texts.h"

namespace dozorik {

EndAction TUsage::chosenEndAction() const {
  if (RadioButton0.checked()) return EndAction::LaunchFile;
  if (RadioButton1.checked()) return EndAction::Sleep;
  if (RadioButton2.checked()) return EndAction::ShutDown;
  if (RadioButton3.checked()) return EndAction::Restart;
  return EndAction::Beep;
}

std::string TUsage::messageTime() {
  return shortTimeOfDay(ports_.clock.now(), ports_.locale.timeFormat());
}

void TUsage::sendEndMessage(const std::string& text) {
  if (message_.address.empty()) return;
  const SendOutcome outcome = sendMessage(
      ports_.http, message_, text, [this] { application_.processMessages(); }, kMessageSendLimit,
      texts_);
  if (!outcome.delivered) {
    StatusBar1.setPanelText(
        1, withoutDiacritics(texts_.format(Text::MessageNotSentStatus, {outcome.reason})));
  }
}

void TUsage::sendWatchEndedMessage() {
  if (message_.address.empty()) return;
  const std::chrono::milliseconds quiet{static_cast<long long>(options_.quietTicks) * 200};
  sendEndMessage(watchEndedText(ports_.process.computerName(), messageTime(),
                                TrackBar1.position() * 10, quiet, chosenEndAction(), texts_));
}

void TUsage::OptionsTestMessageClick() {
  const MessageSettings settings = Options.chosenMessage();
  if (auto problem = addressProblem(settings.address, texts_)) {
    Options.MessageResult.setText(*problem);
    return;
  }
  Options.MessageResult.setText(texts_[Text::Sending]);
  const SendOutcome outcome = sendMessage(
      ports_.http, settings, testMessageText(ports_.process.computerName(), messageTime(), texts_),
      [this] { application_.processMessages(); }, kMessageSendLimit, texts_);
  Options.MessageResult.setText(outcomeText(outcome, texts_));
}

}  // namespace dozorik
