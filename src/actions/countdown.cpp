// The countdown before a sleep, shut-down or restart: a small window that
// shows what is about to happen and lets whoever sits at the computer stop
// it. Launching a file and the beeps never wait.

#include "app/usage.h"

namespace dozorik {

namespace {

Text announcement(TUsage::PowerAction action) {
  switch (action) {
    case TUsage::PowerAction::Sleep: return Text::SleepsIn;
    case TUsage::PowerAction::ShutDown: return Text::ShutsDownIn;
    case TUsage::PowerAction::Restart: break;
  }
  return Text::RestartsIn;
}

// For the status bar, which draws in the main window's font: no diacritics.
Text cancelled(TUsage::PowerAction action) {
  switch (action) {
    case TUsage::PowerAction::Sleep: return Text::SleepCancelled;
    case TUsage::PowerAction::ShutDown: return Text::ShutDownCancelled;
    case TUsage::PowerAction::Restart: break;
  }
  return Text::RestartCancelled;
}

}  // namespace

void TUsage::powerAction(PowerAction action) {
  // An end brought forward by a close or by the session's end comes at once:
  // nothing would be left to count down.
  if (options_.countdownSeconds <= 0 || closing_) {
    runPowerAction(action);
    return;
  }
  // A later end, while a countdown is on, starts it again for its own action.
  countdownAction_ = action;
  secondsLeft_ = options_.countdownSeconds;
  Countdown.Action.setText(texts_[announcement(action)]);
  Countdown.SecondsLeft.setText(texts_.format(Text::SecondsLeft, {std::to_string(secondsLeft_)}));
  Countdown.Tick.setEnabled(false);
  Countdown.Tick.setEnabled(true);
  keepAwakeWhileWatching();
  application_.showForm(Countdown);
}

void TUsage::CountdownTick() {
  if (--secondsLeft_ > 0) {
    Countdown.SecondsLeft.setText(texts_.format(Text::SecondsLeft, {std::to_string(secondsLeft_)}));
    return;
  }
  endCountdown(true);
}

void TUsage::endCountdown(bool act) {
  Countdown.Tick.setEnabled(false);
  application_.closeForm(Countdown);
  keepAwakeWhileWatching();
  if (act) {
    runPowerAction(countdownAction_);
  } else {
    StatusBar1.setPanelText(1, texts_[cancelled(countdownAction_)]);
  }
}

}  // namespace dozorik
