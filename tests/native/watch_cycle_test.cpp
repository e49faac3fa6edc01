#include <limits>

#include "native/usage_fixture.h"

namespace dozorik {

using WatchTest = UsageTest;

// The run-once command's "/r" arms as it always has; any other argument is
// a switch, and one that is none arms nothing.
TEST_F(WatchTest, CreationArmsForTheRunOnceSwitchAndLabelsToggleTheirBoxes) {
  for (const auto& [args, arms] : {std::pair{Strings{"/r"}, true}, {Strings{"-R"}, true},
                                   {Strings{"x", "/r"}, false}, {Strings{"/r", "more"}, false}}) {
    usage.SpeedButton2.click();
    fake.process.args = args;
    usage.FormCreate();
    EXPECT_EQ(usage.Timer1.enabled(), arms) << join(args);
  }
  for (auto [label, box] :
       {std::pair{&usage.Label7, &usage.CheckBox4}, {&usage.Label8, &usage.CheckBox2},
        {&usage.Label14, &usage.CheckBox1}, {&usage.Label15, &usage.CheckBox3},
        {&usage.Label16, &usage.CheckBox5}}) {
    label->click();
    EXPECT_TRUE(box->checked()) << label->name();
  }
}

TEST_F(WatchTest, ArmingOnceLocksTheLogKindUntilThe250thQuietTickResetsTheWindow) {
  fake.clock.time.hour = 7;
  usage.SpeedButton1.click();
  usage.RadioButton6.click();  // the log kind can't change during a watch
  EXPECT_TRUE(usage.RadioButton5.checked());
  fake.registry.writes.clear();
  usage.SpeedButton1.click();  // pressed again: nothing changes
  EXPECT_TRUE(fake.registry.writes.empty());

  ticks(249, 0.02);
  EXPECT_EQ(shows(),
            "Dozorik   =Bystro=   Pracujem | CPU % 2 | 07:05 ==> ??? | 249 | CPU % 2 | on");
  fake.clock.time.hour = 14;
  tick(0.02);
  EXPECT_EQ(shows(), "Dozorik   =Bystro= | Dozorik | 07:05 ==> 14:05 | 0 |  | off");
  EXPECT_TRUE(usage.GroupBox2.enabled());
}

TEST_F(WatchTest, TheLoadShowsAsAWholePercentAndIsQuietOnlyBelowTheThresholdOfTheTick) {
  usage.SpeedButton1.click();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct {
    double fraction;
    int percent, threshold, quietTicks;
  } const cases[] = {{0.0999, 9, 1, 1}, {0.10, 10, 1, 0}, {0.25, 25, 3, 1}, {1.005, 100, 1, 0},
                     {1.02, 0, 1, 1},   {-0.3, 0, 1, 2},  {nan, 0, 1, 3}};
  for (auto c : cases) {
    usage.TrackBar1.setPosition(c.threshold);
    tick(c.fraction);
    const std::string shown = "CPU % " + std::to_string(c.percent);
    EXPECT_EQ(usage.Label5.text() + " | " + app.title(), shown + " | " + shown);
    EXPECT_EQ(usage.Gauge1.progress(), c.quietTicks) << c.fraction;
  }
}

TEST_F(WatchTest, WhileAnErrorBoxIsOpenItsRepeatsAreDroppedAndOtherErrorsWaitTheirTurn) {
  usage.SpeedButton1.click();
  sampler.failWith = "Unable to read performance data";
  const std::string refused = "RAS Error code: 6.\n\"Busy\"";
  fake.messages.whileOpen = [&] {  // the box's modal loop runs more events
    ticks(3, 0.5);
    app.reportError(refused);
    app.reportError(refused);
  };
  tick(0.5);
  EXPECT_EQ(boxes(), (Strings{"Dozorik: Unable to read performance data.", "Dozorik: " + refused}));
}

TEST_F(WatchTest, AStopThatFailsLeavesTheWatchCountingToItsOwnEnd) {
  usage.CheckBox5.setChecked(true);
  usage.RadioButton6.click();
  usage.SpeedButton1.click();
  ticks(10, 0.01);
  fake.files.readOnly = true;  // the spreadsheet can't be written
  // Pressed while the tick lets messages run.
  fake.pump.pending.push_back([&] { app.dispatch([&] { usage.SpeedButton2.click(); }); });
  tick(0.01);
  fake.files.readOnly = false;
  ticks(239, 0.01);
  EXPECT_EQ(shows(), "Dozorik   =Bystro= | Dozorik | 09:05 ==> 09:05 | 0 |  | off");
  EXPECT_EQ(fake.power.journal.size(), 6u);  // the watch's own end: the beeps
}

TEST_F(WatchTest, TheTextLogHoldsALineAtEachTickInTheProgramsDirectory) {
  usage.CheckBox5.setChecked(true);
  usage.SpeedButton1.click();
  fake.clock.time = {2027, 1, 3, 14, 3, 27, 0};
  tick(0.07);
  fake.files.currentDirectory = "D:\\elsewhere\\";
  tick(0.05);
  EXPECT_EQ(fake.files.files.at("C:\\Dozorik\\dozorik.log"), "14:03:27  7%\r\n14:03:27  5%\r\n");
}

TEST_F(WatchTest, ATickArrivingWhileOneLetsMessagesRunSupersedesItAndAStoppedWatchNeverCounts) {
  usage.CheckBox4.setChecked(true);  // the end lets messages run once more
  usage.SpeedButton1.click();
  fake.pump.pending.push_back([&] { tick(0.9); });
  tick(0.01);
  // The later, busy sample counts; the earlier, quiet one does not.
  EXPECT_EQ(usage.Label5.text() + " " + std::to_string(usage.Gauge1.progress()), "CPU % 90 0");
  ticks(249, 0.01);
  // Stopped and armed again meanwhile: the old tick counts for the new watch neither.
  fake.pump.pending.push_back([&] { usage.SpeedButton2.click(); usage.SpeedButton1.click(); });
  tick(0.01);
  EXPECT_EQ(usage.watch().QuietTicks, 0);
}

}  // namespace dozorik
