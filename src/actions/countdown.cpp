// The countdown before a sleep, shut-down or restart: a small window that
// shows what is about to happen and lets whoever sits at the computer stop
// it. Launching a file and the beeps never wait.

#include "app/usage.h"

namespace dozorik {

namespace {

const char* announcement(TUsage::PowerAction action) {
  switch (action) {
    case TUsage::PowerAction::Sleep: return "Počítač sa uspí o";
    case TUsage::PowerAction::ShutDown: return "Počítač sa vypne o";
    case TUsage::PowerAction::Restart: return "Počítač sa reštartuje o";
  }
  return "";
}

const char* cancelled(TUsage::PowerAction action) {
  switch (action) {
    // The status bar draws in the main window's font, which has no
    // diacritics outside Central European Windows.
    case TUsage::PowerAction::Sleep: return "Uspanie pocitaca zrusene";
    case TUsage::PowerAction::ShutDown: return "Vypnutie pocitaca zrusene";
    case TUsage::PowerAction::Restart: return "Restart pocitaca zruseny";
  }
  return "";
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
  Countdown.Action.setText(announcement(action));
  Countdown.SecondsLeft.setText(std::to_string(secondsLeft_) + " s");
  Countdown.Tick.setEnabled(false);
  Countdown.Tick.setEnabled(true);
  keepAwakeWhileWatching();
  application_.showForm(Countdown);
}

void TUsage::CountdownTick() {
  if (--secondsLeft_ > 0) {
    Countdown.SecondsLeft.setText(std::to_string(secondsLeft_) + " s");
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
    StatusBar1.setPanelText(1, cancelled(countdownAction_));
  }
}

}  // namespace dozorik
