#include <limits>

#include "native/usage_fixture.h"

namespace dozorik {

using WatchTest = UsageTest;

TEST_F(WatchTest, CreationShowsTheStatusTextsArmsOnlyForSlashRAndLabelsToggleTheirBoxes) {
  for (const Strings& args : {Strings{"/R"}, {"-r"}, {"x", "/r"}, {"/r", "more"}}) {
    fake.process.args = args;
    usage.FormCreate();
    EXPECT_EQ(usage.Timer1.enabled(), args[0] == "/r") << args[0];
  }
  EXPECT_EQ(usage.StatusBar1.panelText(0), "Ruvo (1,7)");
  usage.TrackBar1.slide(5);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 50 %");
  usage.SpeedButton3.click();
  EXPECT_EQ(fake.shell.opened.at(0).first, "navodhtm.htm");
  for (auto [label, box] :
       {std::pair{&usage.Label7, &usage.CheckBox4}, {&usage.Label8, &usage.CheckBox2},
        {&usage.Label14, &usage.CheckBox1}, {&usage.Label15, &usage.CheckBox3},
        {&usage.Label16, &usage.CheckBox5}}) {
    label->click();
    EXPECT_TRUE(box->checked()) << label->name();
  }
}

TEST_F(WatchTest, ArmingOnceLocksTheLogKindUntilThe250thQuietTickResetsTheWindow) {
  usage.SpeedButton2.click();  // stopping an idle window writes nothing
  EXPECT_TRUE(fake.registry.writes.empty());
  fake.clock.time.hour = 7;
  usage.SpeedButton1.click();
  EXPECT_EQ(shows(), "Dozorik   =Bystro=   Pracujem | Dozorik | 07:05 ==> ??? | 0 |  | on");
  usage.RadioButton6.click();  // the log kind can't change during a watch
  EXPECT_TRUE(usage.RadioButton5.checked());
  fake.registry.writes.clear();
  usage.SpeedButton1.click();  // pressed again: nothing changes
  EXPECT_TRUE(fake.registry.writes.empty());

  ticks(249, 0.02);
  EXPECT_EQ(shows(),
            "Dozorik   =Bystro=   Pracujem | CPU % 2 | 07:05 ==> ??? | 249 | CPU % 2 | on");
  EXPECT_TRUE(fake.power.journal.empty());
  fake.files.currentDirectory = "D:\\";
  fake.clock.time.hour = 14;
  tick(0.02);
  EXPECT_EQ(shows(), "Dozorik   =Bystro= | Dozorik | 07:05 ==> 14:05 | 0 |  | off");
  EXPECT_TRUE(usage.GroupBox2.enabled());
  EXPECT_EQ(fake.files.currentDirectory, "C:\\Dozorik\\");
  EXPECT_EQ(fake.power.journal.size(), 6u);  // the beeps

  fake.registry.failWrites = true;
  usage.SpeedButton1.click();  // a failed write is reported; the watch goes on
  EXPECT_EQ(boxes(), Strings{"Dozorik: Chyba pri zápise do registra!!!(Start)"});
  EXPECT_TRUE(usage.Timer1.enabled());
}

TEST_F(WatchTest, TheLoadShowsAsAWholePercentAndIsQuietOnlyBelowTheThresholdOfTheTick) {
  usage.SpeedButton1.click();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct {
    double fraction;
    int percent, threshold, quietTicks;
  } const cases[] = {{0.0999, 9, 1, 1}, {0.10, 10, 1, 0}, {0.25, 25, 3, 1}, {0.30, 30, 3, 0},
                     {0.37, 37, 1, 0},  {1.005, 100, 1, 0}, {1.02, 0, 1, 1},   {-0.3, 0, 1, 2},
                     {nan, 0, 1, 3}};
  for (auto c : cases) {
    usage.TrackBar1.setPosition(c.threshold);
    tick(c.fraction);
    const std::string shown = "CPU % " + std::to_string(c.percent);
    EXPECT_EQ(usage.Ukazatel1.position(), c.percent) << c.fraction;
    EXPECT_EQ(usage.Label5.text() + " | " + app.title(), shown + " | " + shown);
    EXPECT_EQ(usage.Gauge1.progress(), c.quietTicks) << c.fraction;
  }
  EXPECT_TRUE(usage.logo.items().empty() && fake.files.files.empty());  // the log is off
  tick(3e7);  // beyond an integer: an error, and nothing counted
  EXPECT_EQ(boxes(), Strings{"CPU % 0: '3000000000' is not a valid integer value."});
  EXPECT_EQ(usage.Gauge1.progress(), 3);
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
  EXPECT_EQ(boxes(), Strings{"CPU % 1: Cannot create file \"C:\\Dozorik\\Dozorik.xls\". "
                             "Access is denied."});
  EXPECT_EQ(usage.Gauge1.progress(), 11);
  fake.files.readOnly = false;
  ticks(239, 0.01);
  EXPECT_EQ(shows(), "Dozorik   =Bystro= | Dozorik | 09:05 ==> 09:05 | 0 |  | off");
  EXPECT_TRUE(fake.files.files.count("C:\\Dozorik\\Dozorik.xls"));
  EXPECT_EQ(fake.power.journal.size(), 6u);  // the watch's own end: the beeps
}

TEST_F(WatchTest, TheTextLogHoldsEveryLineOfTheRunAndOneNotWrittenStopsTheCount) {
  usage.CheckBox5.setChecked(true);
  usage.SpeedButton1.click();
  fake.clock.time = {2027, 1, 3, 14, 3, 27, 0};
  ticks(2, 0.07);
  fake.files.readOnly = true;
  ticks(2, 0.01);
  EXPECT_EQ(boxes(), Strings(2, "CPU % 1: Cannot create file \"C:\\Dozorik\\dozorik.log\". "
                                "Access is denied."));
  EXPECT_EQ(usage.Gauge1.progress(), 2);
  fake.files.readOnly = false;
  usage.SpeedButton2.click();
  usage.SpeedButton1.click();
  fake.files.currentDirectory = "D:\\elsewhere\\";
  tick(0.05);
  EXPECT_EQ(fake.files.files.at("C:\\Dozorik\\dozorik.log"),
            "14:03:27  7%\r\n14:03:27  7%\r\n14:03:27  1%\r\n14:03:27  1%\r\n14:03:27  5%\r\n");
}

TEST_F(WatchTest, TheGridLogFillsOneRowPerTickFromTheTopAtEachWatchAndStopExportsIt) {
  usage.CheckBox5.setChecked(true);
  usage.RadioButton6.click();
  usage.StringGrid1.setCell(0, 7, "an earlier, longer watch");
  usage.SpeedButton1.click();
  ticks(3, 0.42);
  EXPECT_EQ(usage.watch().LogRow, 3);
  EXPECT_EQ(usage.StringGrid1.rowCount(), 4);
  EXPECT_EQ(usage.StringGrid1.cell(0, 2) + " " + usage.StringGrid1.cell(1, 2), "09:05:07 42");
  fake.files.currentDirectory = "D:\\work\\";
  usage.SpeedButton2.click();  // exports into the current directory; no end action
  // Two columns of four rows: the earlier watch's rows are gone.
  EXPECT_EQ(fake.files.files.at("D:\\work\\Dozorik.xls").size(), 16u + 8 * 12 + 3 * (8 + 2));
  EXPECT_TRUE(fake.power.journal.empty());
  EXPECT_EQ(fake.files.files.size(), 1u);  // no text log
}

TEST_F(WatchTest, MessagesRunByATickNeitherNestTicksNorLetAStoppedWatchCountOrEnd) {
  usage.CheckBox4.setChecked(true);  // the end lets messages run once more
  usage.SpeedButton1.click();
  fake.pump.pending.push_back([&] { tick(0.9); });
  tick(0.01);
  EXPECT_EQ(sampler.fractions.size(), 1u);  // the inner tick took no sample
  sampler.fractions.clear();
  ticks(248, 0.01);
  // Stopped and armed again meanwhile: the old tick counts for the new watch neither.
  fake.pump.pending.push_back([&] { usage.SpeedButton2.click(); usage.SpeedButton1.click(); });
  tick(0.01);
  EXPECT_EQ(usage.watch().QuietTicks, 0);
  // Stopped while the end lets messages run: no end step at all.
  ticks(249, 0.01);
  fake.files.currentDirectory = "D:\\";
  fake.pump.pending.push_back([&] {
    fake.pump.pending.push_back([&] { usage.SpeedButton2.click(); });
  });
  tick(0.01);
  EXPECT_EQ(fake.files.currentDirectory, "D:\\");
  EXPECT_TRUE(fake.power.journal.empty());
}

}  // namespace dozorik
