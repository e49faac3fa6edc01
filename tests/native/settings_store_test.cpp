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
      {"Telefon", "0905", "0905"}};
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
