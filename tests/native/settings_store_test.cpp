#include <tuple>

#include "native/usage_fixture.h"
#include "settings/path_shortening.h"

namespace dozorik {

class SettingsStoreTest : public UsageTest {
 protected:
  void store(const char* key, const std::string& name, const std::string& value) {
    fake.registry.writeString(key, name, value);
  }
  std::string runOnce(const std::string& name) { return *fake.registry.readString(kRunOnce, name); }
};

// Each value, restored alone, as the close saves it again.
TEST_F(SettingsStoreTest, StoredValuesComeBackClampedAndCompareExactly) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"Vytazenost", "12", "8"}, {"Sekund", "90", "60"},     {"Sekund", "5", "40"},
      {"Vyber", "3", "3"},       {"Vyber", "4", "4"},        {"Vyber", "", "4"},
      {"screenshot", "True", "false"}, {"LogType", "", "xls"}, {"LogType", "txt", "txt"},
      {"Telefon", "0905", "0905"},
      // Blanks around a number, and numbers of any length, clamped.
      {"Vytazenost", " 3 ", "3"}, {"Vytazenost", "99999999999", "8"},
      {"Sekund", "-99999999999", "40"}, {"Sekund", "4 5", "40"}};
  for (auto [name, value, saved] : rows) {
    fakes::FakePorts other;
    ui::Application otherApp(other.messages, other.pump);
    TUsage window(other.ports, otherApp, sampler);
    other.registry.writeString(kKey, name, value);
    window.FormCreate();
    window.closeQuery();
    EXPECT_EQ(*other.registry.readString(kKey, name), saved) << name << "=" << value;
  }
}

TEST_F(SettingsStoreTest, CloseStopsTheWatchThenWritesEverySettingReportingEachFailure) {
  usage.SpeedButton1.click();
  fake.registry.writes.clear();
  fake.registry.failWrites = true;
  EXPECT_TRUE(usage.closeQuery());
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_EQ(join(fake.registry.writes),
            "End, Launchafter, Vyber, LogType, Logfile, Prezvonit, screenshot, Telefon, "
            "Parameter1, Parameter2, Sekund, colaps, Vytazenost, Launchafter, App, AppDozorik");
  EXPECT_EQ(boxes().size(), 16u);
}

using AutostartTest = SettingsStoreTest;

TEST_F(AutostartTest, TheSelfEntryFollowsTheBoxAtOnceQuotedAndIsEmptiedWhenUnchecked) {
  fake.process.path = "C:\\Program Files\\Dozorik\\dozorik.exe";
  usage.Label14.click();
  EXPECT_EQ(runOnce("Dozorik"), "\"C:\\Program Files\\Dozorik\\dozorik.exe\" /r");
  usage.Label14.click();
  EXPECT_EQ(runOnce("Dozorik"), "");
}

// Windows skips a run-once command of more than 260 characters, counted in
// its own units: one for each letter, accented or not.
TEST_F(AutostartTest, ACommandLongerThanWindowsRunsIsRefusedWithAMessageLosingNothingElse) {
  for (std::size_t length : {255, 256}) {  // quoted, with " /r": 260 and 261
    fake.process.path = "C:\\" + std::string(length - 16, 'd') + "č\\dozorik.exe";
    usage.CheckBox1.setChecked(true);
    EXPECT_EQ(usage.CheckBox1.checked(), length == 255);
    EXPECT_EQ(runOnce("Dozorik").size(), length == 255 ? 261u : 0u);
    usage.CheckBox1.setChecked(false);
  }
  fake.dialogs.answer = "C:\\Tools\\job.exe";
  usage.Label15.click();
  usage.Edit3.setText(std::string(250, 'p'));
  usage.closeQuery();
  EXPECT_EQ(runOnce("AppDozorik"), "");
  EXPECT_EQ(stored("Parameter2").size(), 250u);
  EXPECT_EQ(boxes().size(), 2u);
}

TEST_F(AutostartTest, TheProgramEntryIsWrittenAtCloseAndRestoredNextTime) {
  fake.dialogs.answer = "C:\\Video Tools\\VirtualDub.exe";
  usage.Label15.click();  // no program yet: the dialog opens
  usage.Edit3.setText("/r");
  usage.closeQuery();
  EXPECT_EQ(runOnce("AppDozorik"), "\"C:\\Video Tools\\VirtualDub.exe\" /r");
  TUsage next(fake.ports, app, sampler);
  next.FormCreate();
  EXPECT_TRUE(next.CheckBox3.checked());
  next.CheckBox3.click();  // unchecked: the entry is emptied at close
  next.closeQuery();
  EXPECT_EQ(runOnce("AppDozorik"), "");
}

TEST_F(AutostartTest, TheCommandIsShortenedToItsLabelDirectoriesFirstThenTheDrive) {
  const auto chars = [](const std::string& s) { return static_cast<int>(s.size()); };
  const std::string path = "C:\\Video\\Jobs\\VirtualDub.exe /r";
  EXPECT_EQ(join({shortenPath(path, 100, chars), shortenPath(path, 30, chars),
                  shortenPath(path, 25, chars), shortenPath(path, 23, chars),
                  shortenPath(path, 5, chars)}),
            path + ", C:\\...\\Jobs\\VirtualDub.exe /r, C:\\...\\VirtualDub.exe /r, "
                   "...\\VirtualDub.exe /r, VirtualDub.exe /r");
  // Label3 is 369 pixels wide, at 6 per character: 61 characters at most.
  usage.OpenDialog2.setFileName("C:\\" + std::string(70, 'd') + "\\job.exe");
  usage.Edit3.setText("/r");
  EXPECT_EQ(usage.Label3.text(), "C:\\...\\job.exe /r");
}

}  // namespace dozorik
