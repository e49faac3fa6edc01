#include <cmath>
#include <limits>

#include "native/usage_fixture.h"

namespace dozorik {
namespace {

class WatchCycleTest : public UsageTest {
 protected:
  WatchCycleTest() { usage.SpeedButton1.click(); }
};

TEST_F(WatchCycleTest, TurnsTheLastInstancesFractionIntoAWholePercentage) {
  struct Case {
    double fraction;
    int percent;
  };
  const Case cases[] = {
      {0.0999, 9}, {0.37, 37}, {1.005, 100},
      {1.02, 0},  // above 100 counts as nothing at all
      {-0.3, 0},   {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) {
    tick(c.fraction);
    EXPECT_EQ(usage.watch().LoadPercent, c.percent) << c.fraction;
    EXPECT_EQ(usage.Ukazatel1.position(), c.percent);
    EXPECT_EQ(usage.Label5.text(), "CPU % " + std::to_string(c.percent));
    EXPECT_EQ(app.title(), "CPU % " + std::to_string(c.percent));
  }
  EXPECT_EQ(sampler.lastIndexAsked, sampler.instances - 1);
  EXPECT_GE(usage.watch().LoadValue, 0.0);
}

TEST_F(WatchCycleTest, ALoadBeyondAnIntegerIsAConversionErrorAndCountsNothing) {
  tick(0.01);
  tick(3e7);
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "'3000000000' is not a valid integer value.");
  EXPECT_EQ(fake.messages.shown[0].caption, "CPU % 1");  // the title of the moment
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Stop);
  EXPECT_EQ(usage.watch().QuietTicks, 1);
  EXPECT_TRUE(usage.Timer1.enabled());
}

TEST_F(WatchCycleTest, OnlyALoadBelowTheThresholdIsQuiet) {
  usage.TrackBar1.setPosition(3);
  ticks(5, 0.29);
  EXPECT_EQ(usage.watch().QuietTicks, 5);
  EXPECT_EQ(usage.Gauge1.progress(), 5);
  tick(0.30);  // equal to the threshold
  EXPECT_EQ(usage.watch().QuietTicks, 0);
  tick(0.0999);
  usage.TrackBar1.setPosition(1);  // moved during the watch: read at every tick
  tick(0.0999);
  EXPECT_EQ(usage.watch().QuietTicks, 2);
}

TEST_F(WatchCycleTest, The250thQuietTickEndsTheWatchAndResetsTheWindow) {
  ticks(249, 0.02);
  EXPECT_EQ(usage.Gauge1.progress(), 249);
  EXPECT_TRUE(usage.Timer1.enabled());
  EXPECT_EQ(usage.SpeedButton1.tag(), 1);

  fake.files.directoryChanges.clear();
  fake.clock.time.hour = 14;
  fake.clock.time.minute = 4;
  tick(0.02);
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_EQ(usage.SpeedButton1.tag(), 0);
  EXPECT_EQ(usage.watch().QuietTicks, 250);  // kept until the next arming
  EXPECT_EQ(usage.Gauge1.progress(), 0);
  EXPECT_EQ(usage.Ukazatel1.position(), 0);
  EXPECT_EQ(usage.Label5.text(), "");
  EXPECT_EQ(usage.text(), "Dozorik   =Bystro=");
  EXPECT_EQ(app.title(), "Dozorik");
  EXPECT_EQ(stored("End"), "14:04");
  EXPECT_EQ(usage.StatusBar1.panelText(2), "09:05 ==> 14:04");
  EXPECT_EQ(fake.files.directoryChanges, std::vector<std::string>{"C:\\Dozorik\\"});
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(WatchCycleTest, TheTextLogHoldsEveryLineOfTheRun) {
  usage.CheckBox5.setChecked(true);
  fake.clock.time = {2027, 1, 3, 14, 3, 27, 0};
  ticks(3, 0.37);
  const std::string path = "C:\\Dozorik\\dozorik.log";
  ASSERT_NE(fake.files.content(path), nullptr);
  const std::string line = "14:03:27  37%\r\n";
  EXPECT_EQ(*fake.files.content(path), line + line + line);

  // A second watch of the same run adds to the same lines.
  usage.SpeedButton2.click();
  usage.SpeedButton1.click();
  fake.files.currentDirectory = "D:\\elsewhere\\";
  tick(0.05);
  EXPECT_EQ(*fake.files.content(path), line + line + line + "14:03:27  5%\r\n");
  EXPECT_EQ(usage.logo.items().size(), 4u);
}

TEST_F(WatchCycleTest, TheGridLogFillsOneRowPerTickFromTheTopAtEachWatch) {
  usage.CheckBox5.setChecked(true);
  usage.RadioButton6.setChecked(true);
  usage.SpeedButton2.click();  // the log kind can only change between watches
  usage.RadioButton6.click();
  usage.SpeedButton1.click();
  fake.clock.time = {2027, 1, 3, 9, 5, 7, 0};
  ticks(3, 0.42);
  EXPECT_EQ(usage.watch().LogRow, 3);
  EXPECT_EQ(usage.StringGrid1.rowCount(), 4);
  EXPECT_EQ(usage.StringGrid1.cell(0, 2), "09:05:07");
  EXPECT_EQ(usage.StringGrid1.cell(1, 2), "42");
  EXPECT_EQ(fake.files.content("C:\\Dozorik\\dozorik.log"), nullptr);
}

TEST_F(WatchCycleTest, WithTheLogOffNothingIsRecorded) {
  ticks(3, 0.5);
  EXPECT_TRUE(usage.logo.items().empty());
  EXPECT_EQ(usage.StringGrid1.cell(0, 0), "");
  EXPECT_EQ(fake.files.creates, 0);
}

TEST_F(WatchCycleTest, ALogThatCannotBeWrittenKeepsTheWatchFromCounting) {
  usage.CheckBox5.setChecked(true);
  fake.files.readOnlyDirectories.insert("C:\\Dozorik\\");
  ticks(3, 0.01);
  EXPECT_EQ(usage.watch().QuietTicks, 0);
  ASSERT_EQ(fake.messages.shown.size(), 3u);
  EXPECT_EQ(fake.messages.shown[0].text,
            "Cannot create file \"C:\\Dozorik\\dozorik.log\". Access is denied.");
  EXPECT_TRUE(usage.Timer1.enabled());
}

TEST_F(WatchCycleTest, ARepeatedErrorIsShownInOneBoxAtATime) {
  sampler.failWith = "Unable to read performance data";
  // While the first box is open, its modal loop delivers more ticks.
  fake.messages.whileOpen = [&] {
    for (int i = 0; i < 3; ++i) app.dispatch([&] { usage.Timer1.fire(); });
  };
  app.dispatch([&] { usage.Timer1.fire(); });
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "Unable to read performance data.");
  app.dispatch([&] { usage.Timer1.fire(); });
  EXPECT_EQ(fake.messages.shown.size(), 2u);
}

TEST_F(WatchCycleTest, ATickDeliveredInsideARunningTickIsSkipped) {
  fake.pump.pending.push_back([&] { tick(0.9); });
  tick(0.01);
  EXPECT_EQ(sampler.samples, 1);
  EXPECT_EQ(usage.watch().QuietTicks, 1);
}

TEST_F(WatchCycleTest, AWatchStoppedWhileTheTickWaitsCountsNothingMore) {
  ticks(249, 0.01);
  fake.pump.pending.push_back([&] { usage.SpeedButton2.click(); });
  tick(0.01);
  EXPECT_EQ(usage.watch().QuietTicks, 249);
  EXPECT_FALSE(usage.Timer1.enabled());

  // Stopped and armed again meanwhile: the old tick does not count for the
  // new watch either.
  usage.SpeedButton1.click();
  fake.pump.pending.push_back([&] {
    usage.SpeedButton2.click();
    usage.SpeedButton1.click();
  });
  tick(0.01);
  EXPECT_EQ(usage.watch().QuietTicks, 0);
  EXPECT_TRUE(usage.Timer1.enabled());
}

TEST_F(WatchCycleTest, AWatchStoppedWhileItsEndWaitsRunsNoEndStep) {
  usage.CheckBox4.setChecked(true);  // the end lets messages run once more
  ticks(249, 0.01);
  fake.files.directoryChanges.clear();
  // Nothing at the tick's own pump; the stop button at the end's pump.
  fake.pump.pending.push_back(
      [&] { fake.pump.pending.push_back([&] { usage.SpeedButton2.click(); }); });
  tick(0.01);
  EXPECT_EQ(fake.pump.calls, 251);
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_TRUE(fake.files.directoryChanges.empty());
}

}  // namespace
}  // namespace dozorik
