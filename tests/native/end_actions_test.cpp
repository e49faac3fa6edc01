#include "native/usage_fixture.h"

namespace dozorik {
namespace {

using EndActionTest = UsageTest;
using Journal = std::vector<std::string>;

TEST_F(EndActionTest, TheWatchEndRunsTheActionChosenAtThatMoment) {
  usage.SpeedButton1.click();
  sampler.fractions.assign(249, 0.0);
  for (int i = 0; i < 249; ++i) usage.Timer1.fire();
  usage.RadioButton3.click();  // changed while the watch runs
  usage.Timer1.fire();
  EXPECT_EQ(fake.power.journal,
            (Journal{"open token 40", "lookup SeShutdownPrivilege", "privilege on", "close token",
                     "exit 2", "open token 40", "lookup SeShutdownPrivilege", "privilege off",
                     "close token"}));
}

TEST_F(EndActionTest, BeepPlaysThreeTonesTwiceAndNothingElseRuns) {
  usage.Koniec();
  EXPECT_EQ(fake.power.journal, (Journal{"beep 100/10", "beep 1000/10", "beep 2000/100",
                                         "beep 100/10", "beep 1000/10", "beep 2000/100"}));
  EXPECT_TRUE(fake.shell.opened.empty());
}

TEST_F(EndActionTest, LaunchHandsFileAndParameterToTheShellApart) {
  usage.OpenDialog1.setFileName("C:\\Program Files\\Encoder\\done.bat");
  usage.Edit2.setText("/quiet");
  usage.RadioButton0.click();
  usage.Koniec();
  ASSERT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(fake.shell.opened[0].file, "C:\\Program Files\\Encoder\\done.bat");
  EXPECT_EQ(fake.shell.opened[0].parameters, "/quiet");
  EXPECT_TRUE(fake.power.journal.empty());
}

TEST_F(EndActionTest, SleepAndShutDownHoldTheShutdownPrivilegeAroundTheRequest) {
  fake.power.exitAccepted = false;
  fake.power.tokenOpens = false;  // no token: the requests are made all the same
  usage.RadioButton1.click();
  usage.Koniec();
  usage.RadioButton2.click();
  usage.Koniec();
  EXPECT_EQ(fake.power.journal, (Journal{"open token 40", "suspend forced", "open token 40",
                                         "open token 40", "exit 9", "open token 40"}));

  fake.power.journal.clear();
  fake.power.tokenOpens = true;
  fake.power.privilegeKnown = false;  // looked up in vain: no adjustment, token closed
  EXPECT_FALSE(usage.SetPrivilege("SeShutdownPrivilege", true));
  EXPECT_EQ(fake.power.journal,
            (Journal{"open token 40", "lookup SeShutdownPrivilege", "close token"}));
}

TEST_F(EndActionTest, ShutDownComputerAsksForTheRightFlags) {
  fake.power.tokenOpens = false;
  EXPECT_TRUE(usage.ShutDownComputer(true, false));
  usage.ShutDownComputer(false, false);
  usage.ShutDownComputer(true, true);
  usage.ShutDownComputer(false, true);
  fake.power.exitAccepted = false;
  EXPECT_FALSE(usage.ShutDownComputer(true, false));
  Journal exits;
  for (auto& entry : fake.power.journal) {
    if (entry.rfind("exit", 0) == 0) exits.push_back(entry);
  }
  EXPECT_EQ(exits, (Journal{"exit 2", "exit 9", "exit 6", "exit 13", "exit 2"}));
}

TEST_F(EndActionTest, TheLaunchHintsShowTheFileAndItsParameter) {
  usage.RadioButton0.click();  // no file yet: the dialog opens; cancelled
  ASSERT_EQ(fake.dialogs.requests.size(), 1u);
  EXPECT_EQ(fake.dialogs.requests[0].title, "Vyber subor na spustenie, ked nastane udalost...");
  EXPECT_EQ(usage.Label1.hint(), "");

  fake.dialogs.answer = "C:\\a.bat";
  usage.Button1.click();
  EXPECT_EQ(usage.RadioButton4.checked(), false);  // the click above chose the launch
  usage.RadioButton4.click();
  usage.Button1.click();
  EXPECT_TRUE(usage.RadioButton4.checked());  // choosing a file chooses no action
  usage.Edit2.setText("x");
  EXPECT_EQ(usage.Edit2.hint(), "C:\\a.bat x");
  fake.dialogs.answer.reset();
  usage.Button1.click();  // cancelled: the file stays, the parameter runs together
  for (auto* c : std::initializer_list<ui::Control*>{&usage.RadioButton0, &usage.Button1,
                                                     &usage.Label1, &usage.Edit2}) {
    EXPECT_EQ(c->hint(), "C:\\a.batx") << c->name();
  }
  usage.RadioButton0.click();  // a file is known: no dialog
  EXPECT_EQ(fake.dialogs.requests.size(), 4u);
}

}  // namespace
}  // namespace dozorik
