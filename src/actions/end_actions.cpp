// What happens when a watch ends, and how the user picks the file that the
// launch action opens.

#include "app/usage.h"

namespace dozorik {

namespace {

constexpr const char* kShutdownPrivilege = "SeShutdownPrivilege";

struct Tone {
  int frequency;
  int milliseconds;
};
constexpr Tone kBeepPattern[] = {{100, 10}, {1000, 10}, {2000, 100}};

}  // namespace

// Every checked choice runs; the buttons form one group, so that is one.
// The choice is read now, so a change made during the watch counts.
void TUsage::Koniec() {
  if (RadioButton0.checked()) {
    // The file and its parameter go to the shell apart: as one operand, a
    // launch with a parameter would name a file that does not exist.
    if (auto refused = ports_.shell.open(OpenDialog1.fileName(), Edit2.text())) {
      actionFailed(EndAction::LaunchFile, Text::LaunchFailed, *refused);
    }
  }
  if (RadioButton1.checked()) powerAction(PowerAction::Sleep);
  if (RadioButton2.checked()) powerAction(PowerAction::ShutDown);
  if (RadioButton3.checked()) powerAction(PowerAction::Restart);
  if (RadioButton4.checked()) {
    for (int round = 0; round < 2; ++round) {
      for (const Tone& tone : kBeepPattern) ports_.power.beep(tone.frequency, tone.milliseconds);
    }
  }
}

// Nobody is there to answer a box when an end action fails: a message tells
// whoever walked away, and the status bar says what and why for whoever
// comes back to a machine still on; that outweighs a message that failed.
void TUsage::actionFailed(EndAction action, Text what, const std::string& reason) {
  if (!message_.address.empty()) {
    sendEndMessage(
        actionFailedText(ports_.process.computerName(), messageTime(), action, reason, texts_));
  }
  StatusBar1.setPanelText(1, texts_.format(what, {reason}));
}

void TUsage::runPowerAction(PowerAction action) {
  switch (action) {
    case PowerAction::Sleep:
      sleepComputer();
      break;
    case PowerAction::ShutDown:
      if (!ShutDownComputer(false, options_.forceExit)) {
        actionFailed(EndAction::ShutDown, Text::ShutDownFailed, exitRefusal_);
      }
      break;
    case PowerAction::Restart:
      if (!ShutDownComputer(true, options_.forceExit)) {
        actionFailed(EndAction::Restart, Text::RestartFailed, exitRefusal_);
      }
      break;
  }
}

void TUsage::sleepComputer() {
  const auto machine = ports_.power.capabilities();
  const bool hibernate = options_.hibernate && (!machine || machine->hibernation);
  if (!hibernate && machine && machine->modernStandby && !machine->sleepStates) {
    // No S1 to S3 to suspend to: asked to, such a machine hibernates or does
    // nothing. With its displays off it goes to standby by itself.
    ports_.power.displaysOff();
    StatusBar1.setPanelText(1, texts_[Text::DisplayOff]);
    return;
  }
  // NT refuses to suspend, silently, without the shut-down privilege.
  SetPrivilege(kShutdownPrivilege, true);
  const Power::Refusal refused = ports_.power.suspend(hibernate);
  SetPrivilege(kShutdownPrivilege, false);
  if (refused) {
    actionFailed(EndAction::Sleep, hibernate ? Text::HibernationFailed : Text::SleepFailed,
                 *refused);
  }
}

// A hung program can't hold the machine on; with Force, neither can one
// with unsaved work.
bool TUsage::ShutDownComputer(bool Reboot, bool Force) {
  std::uint32_t flags = Reboot ? Power::kReboot : Power::kShutdown | Power::kPowerOff;
  flags |= Power::kForceIfHung;
  if (Force) flags |= Power::kForce;
  return WinExit(flags);
}

// The exit request is made whatever the privilege calls answer: where they
// fail, the system may still agree.
bool TUsage::WinExit(std::uint32_t Flags) {
  SetPrivilege(kShutdownPrivilege, true);
  const Power::Refusal refused = ports_.power.exitWindows(Flags, Power::kPlannedByApplication);
  SetPrivilege(kShutdownPrivilege, false);
  exitRefusal_ = refused.value_or("");
  return !refused;
}

bool TUsage::SetPrivilege(const std::string& PrivilegeName, bool Enable) {
  auto token = ports_.token.open(ProcessToken::kAdjustPrivileges | ProcessToken::kQuery);
  if (!token) return false;
  bool adjusted = false;
  if (auto privilege = ports_.token.lookupPrivilege(PrivilegeName)) {
    adjusted = ports_.token.adjustPrivilege(*token, *privilege,
                                            Enable ? ProcessToken::kEnabled : 0);
  }
  ports_.token.close(*token);
  return adjusted;
}

void TUsage::setLaunchHints(const std::string& hint) {
  RadioButton0.setHint(hint);
  Button1.setHint(hint);
  Label1.setHint(hint);
  Edit2.setHint(hint);
}

void TUsage::Button1Click() {
  OpenDialog1.execute();
  setLaunchHints(OpenDialog1.fileName() + Edit2.text());
}

void TUsage::RadioButton0Click() {
  if (OpenDialog1.fileName().empty()) OpenDialog1.execute();
  setLaunchHints(OpenDialog1.fileName() + Edit2.text());
}

void TUsage::Edit2Change() { setLaunchHints(OpenDialog1.fileName() + " " + Edit2.text()); }

}  // namespace dozorik
