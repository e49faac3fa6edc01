#include "native/usage_fixture.h"

namespace dozorik {

using EndActionTest = UsageTest;
const std::string kBeeps = "beep 100/10, beep 1000/10, beep 2000/100";

TEST_F(EndActionTest, EachActionAsksWithItsFlagsTheExitBetweenThePrivilegeOnAndOff) {
  usage.SpeedButton1.click();
  ticks(249, 0.0);
  usage.RadioButton2.click();  // the shutdown, chosen while the watch runs
  tick(0.0);
  EXPECT_EQ(join(fake.power.journal),
            "open token 40, lookup SeShutdownPrivilege, privilege on, close token, exit 0x19, "
            "open token 40, lookup SeShutdownPrivilege, privilege off, close token");
  fake.power.journal.clear();
  fake.power.tokenOpens = false;  // asked all the same
  for (ui::RadioButton* action : {&usage.RadioButton4, &usage.RadioButton1, &usage.RadioButton3}) {
    action->click();
    usage.Koniec();
  }
  EXPECT_EQ(join(fake.power.journal),
            kBeeps + ", " + kBeeps + ", open token 40, suspend, open token 40, " +
                "open token 40, exit 0x12, open token 40");
}

TEST_F(EndActionTest, LaunchAsksForAFileOnlyWhenThereIsNoneAndHandsItsParameterApart) {
  usage.RadioButton0.click();  // no file yet: the dialog opens; cancelled
  usage.RadioButton4.click();
  fake.dialogs.answer = "C:\\Program Files\\a.bat";
  usage.Button1.click();
  usage.RadioButton0.click();  // a file is known: no dialog
  usage.Edit2.setText("/q");
  EXPECT_EQ(usage.Edit2.hint(), "C:\\Program Files\\a.bat /q");
  fake.dialogs.answer.reset();
  usage.Button1.click();  // cancelled: the file stays, the hints run it and the parameter together
  EXPECT_EQ(usage.Label1.hint(), "C:\\Program Files\\a.bat/q");
  EXPECT_EQ(fake.dialogs.requests.size(), 3u);
  usage.Koniec();
  EXPECT_EQ(fake.shell.opened.at(0).first + "|" + fake.shell.opened[0].second,
            "C:\\Program Files\\a.bat|/q");
}

class RingOutTest : public UsageTest {
 protected:
  RingOutTest() {
    usage.Label8.click();  // ring out before the end action
    usage.Edit1.setText("0905123456");
  }
  fakes::FakeRemoteAccess& ras = fake.remoteAccess;
};

TEST_F(RingOutTest, RingsForTheChosenSecondsThenHangsUpAndActsOnce) {
  usage.SpinEdit1.type("70");  // still being typed when the watch ends
  watchToItsEnd();
  EXPECT_EQ(join(ras.journal), "dial 0905123456 to 100");
  EXPECT_EQ(usage.Timer2.interval(), 60000);  // the most it takes
  // The line was busy: the call ended early, and its handle is hung up all the same.
  EXPECT_TRUE(ras.windows.at(100)(0xC100, RemoteAccess::kDisconnected, 0));
  app.dispatch([&] { usage.Timer2.fire(); });
  app.dispatch([&] { usage.Timer2.fire(); });  // it disabled itself
  EXPECT_EQ(ras.journal.back(), "hang up " + std::to_string(0x5000 + 100));
  EXPECT_EQ(ras.sleeps, 3);  // until the status call answered 6
  EXPECT_EQ(join(fake.power.journal), kBeeps + ", " + kBeeps);
}

TEST_F(RingOutTest, TheHangUpWaitsAtMostThreeSecondsAndErrorTextsComeFromRasInItsRange) {
  ras.statusCallsUntilGone = 1000;
  EXPECT_EQ(HangUpConnection(ras, fake.strings, 77, 3), 0u);
  EXPECT_EQ(ras.sleeps, 30);
  ras.statusCallsUntilGone = 1;
  EXPECT_EQ(HangUpConnection(ras, fake.strings, 77, 3), RemoteAccess::kInvalidHandle);
  EXPECT_EQ(ras.sleeps, 31);
  EXPECT_EQ(join({RasErrorText(ras, 599), RasErrorText(ras, 600), RasErrorText(ras, 798),
                  RasErrorText(ras, 799)}),
            "System text 599, RAS text 600, , System text 799");
}

// Nobody answers the boxes: each appears once the end action has run.
TEST_F(RingOutTest, ARefusedDialOrHangUpOrATooLongNumberIsReportedAfterTheEndActionRuns) {
  std::vector<std::size_t> actedBeforeBox;
  fake.messages.whileOpen = [&] { actedBeforeBox.push_back(fake.power.journal.size()); };
  ras.dialResult = 633;
  ras.refusalGivesHandle = true;  // refused, yet the handle must be hung up to free the port
  watchToItsEnd();
  EXPECT_FALSE(usage.Timer2.enabled());
  usage.Edit1.setText(std::string(129, '5'));
  fake.messages.whileOpen = [&] { actedBeforeBox.push_back(fake.power.journal.size()); };
  watchToItsEnd();
  // The long number is not dialled; one that just fits is.
  EXPECT_EQ(join(ras.journal), "dial 0905123456 to 100, hang up " + std::to_string(0x5000 + 100));
  ras.dialResult = 0;
  usage.Edit1.setText(std::string(128, '5'));
  watchToItsEnd();
  EXPECT_EQ(ras.journal.back(), "dial " + std::string(128, '5') + " to 102");
  app.dispatch([&] { usage.Timer2.fire(); });
  usage.Edit1.setText("0905123456");
  watchToItsEnd();
  ras.hangUpResult = 6;
  fake.messages.whileOpen = [&] { actedBeforeBox.push_back(fake.power.journal.size()); };
  app.dispatch([&] { usage.Timer2.fire(); });
  EXPECT_EQ(boxes(), (Strings{"Dozorik: RAS Error code: 633.\n\"RAS text 633\"",
                              "Dozorik: Telefónne číslo je príliš dlhé: najviac 128 znakov.",
                              "Dozorik: RAS Error code: 6.\n\"System text 6\""}));
  EXPECT_EQ(actedBeforeBox, (std::vector<std::size_t>{6, 12, 24}));
  EXPECT_FALSE(usage.Timer2.enabled() || usage.Timer1.enabled());
}

// Where the system registers no message for the notifications, RAS sends its fixed one.
TEST_F(RingOutTest, WithoutARegisteredMessageTheFixedOneCarriesTheNotifications) {
  ras.registers = false;
  TRasDialer dialer(ras, fake.strings, [](const std::exception&) {});
  int events = 0;
  dialer.FOnDialEvent = [&](TRasDialer&, std::uintptr_t, std::intptr_t) { ++events; };
  EXPECT_TRUE(ras.windows.at(dialer.window())(0xCCCD, 1, 0));
  EXPECT_FALSE(ras.windows.at(dialer.window())(0, 1, 0));
  EXPECT_EQ(events, 1);
}

TEST_F(RingOutTest, AWindowClosedJustBeforeTheDialDialsNothingAndActsAtOnce) {
  usage.SpeedButton1.click();
  ticks(249, 0.01);
  // Closed while the end lets messages run, right before the dial.
  fake.pump.pending.push_back([&] { fake.pump.pending.push_back([&] { usage.closeQuery(); }); });
  tick(0.01);
  EXPECT_TRUE(ras.journal.empty());
  EXPECT_FALSE(usage.Timer2.enabled());
  EXPECT_EQ(join(fake.power.journal), kBeeps + ", " + kBeeps);
}

}  // namespace dozorik
