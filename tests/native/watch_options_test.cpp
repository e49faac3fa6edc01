#include <map>
#include <tuple>

#include "native/usage_fixture.h"

namespace dozorik {

class WatchOptionsTest : public UsageTest {
 protected:
  // Starts the window with these values stored, and arms a watch.
  void armWith(const std::map<std::string, std::string>& values) {
    for (const auto& [name, value] : values) fake.registry.writeString(kKey, name, value);
    usage.FormCreate();
    usage.SpeedButton1.click();
  }
  // Ticks at these loads in percent (below 10 is quiet at the lowest threshold).
  void loads(std::initializer_list<int> percents) {
    for (int percent : percents) tick(percent / 100.0 + 0.001);
  }
};

TEST_F(WatchOptionsTest, AShorterQuietLengthEndsTheWatchSoonerAndSizesTheGauge) {
  armWith({{"Tikov", "10"}});  // read as the shortest, 25
  EXPECT_EQ(usage.Gauge1.maxValue(), 25);
  ticks(24, 0.01);
  EXPECT_TRUE(usage.Timer1.enabled());
  tick(0.01);
  EXPECT_FALSE(usage.Timer1.enabled());
}

TEST(WatchOptions, StoredTextsReadAsNumbersWithBlanksAndAnyLengthClampedElseTheDefault) {
  const std::tuple<const char*, const char*, int WatchOptions::*, int> rows[] = {
      {"Tikov", " 3000 ", &WatchOptions::quietTicks, 3000},
      {"Tikov", "99999999999", &WatchOptions::quietTicks, 3000},
      {"Tikov", "-5", &WatchOptions::quietTicks, 25},
      {"Tikov", "1 0", &WatchOptions::quietTicks, 250},
      {"Tolerancia", "51", &WatchOptions::spikeTolerance, 50},
      {"Odpocet", "\t30", &WatchOptions::countdownSeconds, 30},
      {"Odpocet", "600", &WatchOptions::countdownSeconds, 600},
      {"Odpocet", "601", &WatchOptions::countdownSeconds, 600},
      {"Odpocet", "0x10", &WatchOptions::countdownSeconds, 0},
      {"Tikov", "-", &WatchOptions::quietTicks, 250}};
  for (auto [name, text, field, value] : rows) {
    const WatchOptions options = readWatchOptions(
        [&](const std::string& asked) { return asked == name ? text : std::string(); });
    EXPECT_EQ(options.*field, value) << name << "=" << text;
  }
}

TEST_F(WatchOptionsTest, SpikesUpToTheToleranceNeitherCountNorResetTheQuietRun) {
  armWith({{"Tolerancia", "2"}});
  loads({50, 1, 1, 1, 50, 50});  // a spike before any quiet tick is a plain reset
  EXPECT_EQ(usage.Gauge1.progress(), 3);
  loads({1, 50});
  EXPECT_EQ(usage.Gauge1.progress(), 4);
  loads({50, 50});  // the third in a row
  EXPECT_EQ(usage.Gauge1.progress(), 0);
}

TEST_F(WatchOptionsTest, BusyFirstCountsOnlyAfterTenHighTicksInARowOfThisWatch) {
  armWith({{"NajprvZataz", "true"}});
  ticks(9, 0.5);
  ticks(30, 0.01);
  tick(0.5);  // the tenth high tick, but not in a row
  const std::string waiting = "Najprv cakam na zataz CPU od: 10 %";
  EXPECT_EQ(usage.StatusBar1.panelText(1), waiting);
  usage.SpeedButton2.click();
  usage.SpeedButton1.click();  // a new watch starts from none
  ticks(9, 0.5);
  EXPECT_EQ(usage.StatusBar1.panelText(1), waiting);
  tick(0.5);
  tick(0.01);
  EXPECT_EQ(usage.Gauge1.progress(), 1);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 10 %");
}

TEST_F(WatchOptionsTest, TheBusiestProcessorStandsForTheLoadWhenChosen) {
  armWith({{"Jadro", "true"}});
  tick(0.01);  // the total is low, one processor of three is half busy
  EXPECT_EQ(usage.watch().LoadPercent, 50);
  EXPECT_EQ(usage.Gauge1.progress(), 0);
}

TEST_F(WatchOptionsTest, TheSystemIsKeptAwakeWhileAWatchIsArmedOrARingOutRuns) {
  usage.Label8.click();  // ring out
  armWith({});
  ticks(250, 0.01);  // reset, then ringing
  EXPECT_EQ(fake.power.awakeChanges, (std::vector<bool>{true, false, true}));
  app.dispatch([&] { usage.Timer2.fire(); });
  EXPECT_FALSE(fake.power.awake);
}

TEST_F(WatchOptionsTest, APowerActionCountsDownAndCanBeCancelledOrBroughtForward) {
  usage.RadioButton3.click();  // restart
  armWith({{"Odpocet", "20"}});
  ticks(250, 0.01);
  ASSERT_TRUE(forms.isShown(usage.Countdown));
  for (int i = 0; i < 19; ++i) usage.Countdown.Tick.fire();
  EXPECT_TRUE(fake.power.journal.empty());
  usage.Countdown.Tick.fire();
  EXPECT_EQ(fake.power.journal.at(4), "exit 0x12");
  EXPECT_FALSE(forms.isShown(usage.Countdown));

  fake.power.journal.clear();
  usage.Koniec();
  usage.Countdown.Cancel.click();
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Restart pocitaca zruseny");
  usage.RadioButton2.click();  // shut down, at once
  usage.Koniec();
  usage.Countdown.Now.click();
  EXPECT_EQ(fake.power.journal.at(4), "exit 0x19");
}

TEST_F(WatchOptionsTest, TheOptionsWindowsCancelAndCloseBoxStoreNothingAndTheCountdownsCancels) {
  usage.FormCreate();
  forms.whileModal = [&](ui::Form& window) {
    usage.Options.QuietTicks.type("30");
    forms.closeBox(window);
  };
  usage.systemMenu()[0].onClick();
  forms.whileModal = [&](ui::Form&) { usage.Options.Cancel.click(); };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(stored("Tikov") + "|" + std::to_string(usage.Gauge1.maxValue()), "|250");
  EXPECT_EQ(usage.Options.QuietTicks.text(), "250") << "shown anew as stored";
  // The countdown ticks once a second, Enter cancels it, and so does its close box.
  EXPECT_EQ(usage.Countdown.Tick.interval(), 1000);
  EXPECT_EQ(usage.Countdown.defaultButton(), &usage.Countdown.Cancel);
  const std::tuple<ui::RadioButton*, const char*, const char*> actions[] = {
      {&usage.RadioButton1, "Počítač sa uspí o", "Uspanie pocitaca zrusene"},
      {&usage.RadioButton2, "Počítač sa vypne o", "Vypnutie pocitaca zrusene"},
      {&usage.RadioButton3, "Počítač sa reštartuje o", "Restart pocitaca zruseny"}};
  for (auto [action, announced, cancelled] : actions) {
    action->click();
    armWith({{"Odpocet", "5"}});
    ticks(250, 0.01);
    EXPECT_EQ(usage.Countdown.Action.text() + " " + usage.Countdown.SecondsLeft.text(),
              std::string(announced) + " 5 s");
    forms.closeBox(usage.Countdown);
    EXPECT_EQ(usage.StatusBar1.panelText(1), cancelled);
  }
  EXPECT_TRUE(fake.power.journal.empty());
}

TEST_F(WatchOptionsTest, TheOptionsWindowFromTheSystemMenuStoresItsValues) {
  usage.FormCreate();
  auto& options = usage.Options;
  forms.whileModal = [&](ui::Form&) {
    options.QuietTicks.type("5000");
    options.Spikes.type("0");
    options.KeepAwakeNo.click();
    options.BusyFirst.click();
    options.Pages.choose(1);
    options.Countdown.type("30");
    options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(join({stored("Bdiet"), stored("Tikov"), stored("Tolerancia"), stored("NajprvZataz"),
                  stored("Jadro"), stored("Odpocet")}),
            "false, 3000, 0, true, false, 30");
  EXPECT_EQ(usage.Gauge1.maxValue(), 3000);
}

}  // namespace dozorik
