#include "native/usage_fixture.h"

namespace dozorik {
namespace {

using ArmingTest = UsageTest;

TEST_F(ArmingTest, ArmingLocksTheLogKindAndStampsTheStart) {
  fake.clock.time.hour = 7;
  fake.clock.time.minute = 2;
  usage.SpeedButton1.click();
  EXPECT_EQ(usage.SpeedButton1.tag(), 1);
  EXPECT_TRUE(usage.Timer1.enabled());
  EXPECT_EQ(usage.text(), "Dozorik   =Bystro=   Pracujem");
  EXPECT_EQ(stored("Start"), "07:02");
  EXPECT_EQ(usage.StatusBar1.panelText(2), "07:02 ==> ???");
  EXPECT_FALSE(usage.SpeedButton6.visible());
  EXPECT_FALSE(usage.GroupBox2.enabled());

  usage.RadioButton6.click();  // the log kind can't change during a watch
  EXPECT_TRUE(usage.RadioButton5.checked());
  usage.Label16.click();  // the log itself can
  EXPECT_TRUE(usage.CheckBox5.checked());
}

TEST_F(ArmingTest, PressingStartAgainDuringAWatchChangesNothing) {
  usage.SpeedButton1.click();
  sampler.fractions = {0.01, 0.01};
  usage.Timer1.fire();
  usage.Timer1.fire();
  fake.registry.writes.clear();
  usage.SpeedButton1.click();
  EXPECT_TRUE(fake.registry.writes.empty());
  EXPECT_EQ(usage.watch().QuietTicks, 2);
}

TEST_F(ArmingTest, StopEndsTheWatchAndStopWhenIdleDoesNothing) {
  usage.SpeedButton2.click();
  EXPECT_TRUE(fake.registry.writes.empty());

  usage.OpenDialog1.setFileName("C:\\encode\\done.bat");
  usage.SpeedButton1.click();
  usage.SpeedButton2.click();
  EXPECT_EQ(usage.SpeedButton1.tag(), 0);
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_EQ(usage.text(), "Dozorik   =Bystro=");
  EXPECT_TRUE(usage.SpeedButton6.visible());
  EXPECT_TRUE(usage.GroupBox2.enabled());
  EXPECT_EQ(stored("Launchafter"), "C:\\encode\\done.bat");
  EXPECT_EQ(usage.StatusBar1.panelText(2), "09:05 ==> 09:05");
}

TEST_F(ArmingTest, ClosingTheWindowStopsTheWatchFirst) {
  usage.SpeedButton1.click();
  EXPECT_TRUE(usage.closeQuery());
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_NE(stored("End"), "<none>");
}

TEST_F(ArmingTest, AFailedRegistryWriteIsReportedAndTheWatchGoesOn) {
  fake.registry.failWrites = true;
  usage.SpeedButton1.click();
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "Chyba pri zápise do registra!!!(Start)");
  EXPECT_EQ(fake.messages.shown[0].caption, "Dozorik");
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::None);
  EXPECT_EQ(usage.StatusBar1.panelText(2), " ==> ???");
  EXPECT_TRUE(usage.Timer1.enabled());
}

TEST_F(ArmingTest, TheStatusBarFollowsTheThreshold) {
  usage.TrackBar1.slide(5);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 50 %");
  usage.TrackBar1.slide(12);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 80 %");
}

TEST_F(ArmingTest, CreationShowsTheStatusTextsAndArmsOnlyForSlashR) {
  fake.registry.writeString("SOFTWARE\\RuvoSOFTWARE\\Dozorik", "Start", "8:15");
  usage.FormCreate();
  EXPECT_EQ(usage.StatusBar1.panelText(0), "Ruvo (1,7)");
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 10 %");
  EXPECT_EQ(usage.StatusBar1.panelText(2), "8:15 ==> ");
  EXPECT_FALSE(usage.Timer1.enabled());

  for (auto args : {std::vector<std::string>{"/R"}, {"-r"}, {"x", "/r"}}) {
    fake.process.args = args;
    usage.FormCreate();
    EXPECT_FALSE(usage.Timer1.enabled());
  }
  fake.process.args = {"/r", "more"};
  usage.FormCreate();
  EXPECT_TRUE(usage.Timer1.enabled());
}

TEST_F(ArmingTest, CaptionLabelsToggleTheirBoxesAndTheHelpButtonOpensThePage) {
  usage.Label7.click();
  usage.Label8.click();
  EXPECT_TRUE(usage.CheckBox4.checked());
  EXPECT_TRUE(usage.CheckBox2.checked());
  usage.Label7.click();
  EXPECT_FALSE(usage.CheckBox4.checked());

  usage.SpeedButton3.click();
  ASSERT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(fake.shell.opened[0].file, "navodhtm.htm");
}

TEST_F(ArmingTest, TheWindowStartsAsDesigned) {
  EXPECT_EQ(usage.text(), "Dozorik   =Bystro=");
  EXPECT_TRUE(usage.RadioButton4.checked());
  EXPECT_TRUE(usage.RadioButton5.checked());
  EXPECT_EQ(usage.Edit1.text(), "9876543210");
  EXPECT_EQ(usage.SpinEdit1.value(), 40);
  EXPECT_EQ(usage.TrackBar1.position(), 1);
  EXPECT_EQ(usage.StatusBar1.panelText(0), "nedef");
  EXPECT_FALSE(usage.StringGrid1.visible());
  EXPECT_EQ(usage.GroupBox1.font().colour, ui::Colour::Navy);
  EXPECT_EQ(usage.RadioButton0.font().colour, ui::Colour::Navy);
  EXPECT_EQ(usage.Label3.font().colour, ui::Colour::Black);
  EXPECT_EQ(usage.Panel1.font().colour, ui::Colour::WindowText);
  // Placed relative to the window, through its group.
  EXPECT_EQ(usage.RadioButton5.rectOnForm().left, 8 + 120 + 8);
  EXPECT_EQ(usage.RadioButton5.rectOnForm().top, 76 + 234 + 10);
}

}  // namespace
}  // namespace dozorik
