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

TEST_F(SettingsStoreTest, AnUncleanEndIsReportedOnce) {
  usage.FormCreate();  // a fresh account: no warning, and the marker
  EXPECT_EQ(stored("colaps"), "true");
  TUsage crashed(fake.ports, app, sampler);  // the first one never closed
  crashed.FormCreate();
  crashed.closeQuery();
  TUsage next(fake.ports, app, sampler);
  next.FormCreate();
  EXPECT_EQ(boxes(), Strings{"Warning: Program nebol naposledy korektne ukončený !"});
}

TEST_F(SettingsStoreTest, StoredValuesComeBackClampedAndCompareExactly) {
  for (auto [name, value] : {std::pair{"Start", "8:15"}, {"End", "9:00"}, {"Vytazenost", "12"},
                             {"Vyber", "5"}, {"Launchafter", "C:\\a.bat"}, {"Parameter1", "/q"}}) {
    store(kKey, name, value);
  }
  usage.FormCreate();
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 80 %");
  EXPECT_EQ(usage.StatusBar1.panelText(2), "8:15 ==> 9:00");
  EXPECT_TRUE(usage.RadioButton3.checked());  // "5" is the restart
  EXPECT_EQ(usage.Edit2.hint(), "C:\\a.bat/q");
  store(kKey, "Vyber", "1");  // the launch, restored without a file: the dialog asks for one
  store(kKey, "Launchafter", "");
  fake.dialogs.answer = "D:\\encode.cmd";
  TUsage launch(fake.ports, app, sampler);
  launch.FormCreate();
  EXPECT_EQ(launch.OpenDialog1.fileName(), "D:\\encode.cmd");

  // Each value, restored alone, as the close saves it again.
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"Vytazenost", "12", "8"}, {"Vytazenost", "3", "3"}, {"Sekund", "90", "60"},
      {"Sekund", "5", "40"}, {"Sekund", "45", "45"}, {"Vyber", "2", "2"}, {"Vyber", "3", "3"},
      {"Vyber", "5", "5"}, {"Vyber", "4", "4"}, {"Vyber", "6", "4"}, {"Vyber", "", "4"}, {"screenshot", "True", "false"},
      {"screenshot", "true", "true"}, {"Logfile", "true", "true"}, {"LogType", "TXT", "xls"},
      {"LogType", "", "xls"}, {"LogType", "txt", "txt"}, {"Prezvonit", "true", "true"},
      {"Telefon", "0905", "0905"}, {"Parameter1", "/q", "/q"}, {"Parameter2", "/r", "/r"},
      {"Launchafter", "C:\\a", "C:\\a"}, {"App", "C:\\v.exe", "C:\\v.exe"}};
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

TEST_F(SettingsStoreTest, ADamagedNumberIsReportedAndTheRestOfTheRestoreGoesOn) {
  store(kKey, "Vytazenost", "3x");
  store(kKey, "Sekund", "0x30");
  store(kKey, "Logfile", "true");
  store(kRunOnce, "Dozorik", "\"C:\\old\\dozorik.exe\" /r");
  fake.process.args = {"/r"};
  usage.FormCreate();
  EXPECT_EQ(boxes(), (Strings{"Dozorik: '3x' is not a valid integer value.",
                              "Dozorik: '0x30' is not a valid integer value."}));
  EXPECT_EQ(usage.TrackBar1.position(), 1);
  EXPECT_TRUE(usage.CheckBox5.checked() && usage.CheckBox1.checked() && usage.Timer1.enabled());
  EXPECT_EQ(stored("colaps"), "true");
  EXPECT_EQ(runOnce("Dozorik"), "\"C:\\Dozorik\\dozorik.exe\" /r");  // rewritten for this program
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
  const Strings shown = boxes();
  ASSERT_EQ(shown.size(), 16u);
  EXPECT_EQ(shown[2], "Dozorik: Chyba pri zápise do registra!!!(Vyber)");
  EXPECT_EQ(shown.back(), "Dozorik: Chyba pri zápise do registra(145)!!!");
}

using AutostartTest = SettingsStoreTest;

TEST_F(AutostartTest, TheSelfEntryFollowsTheBoxAtOnceQuotedAndIsEmptiedNotDeletedOrReported) {
  fake.process.path = "C:\\Program Files\\Dozorik\\dozorik.exe";
  usage.Label14.click();
  EXPECT_EQ(runOnce("Dozorik"), "\"C:\\Program Files\\Dozorik\\dozorik.exe\" /r");
  usage.Label14.click();
  EXPECT_EQ(runOnce("Dozorik"), "");
  fake.registry.lockedKeys.insert(kRunOnce);
  usage.CheckBox1.setChecked(true);
  TUsage next(fake.ports, app, sampler);
  next.FormCreate();
  EXPECT_EQ(boxes(), (Strings{"Dozorik: Chyba pri zápise do registra(146)!!!",
                              "Dozorik: Chyba pri citani z registra(142)!!!"}));
}

TEST_F(AutostartTest, TheProgramEntryIsWrittenAtCloseAndRestoredNextTime) {
  fake.dialogs.answer = "C:\\Video Tools\\VirtualDub.exe";
  usage.Label15.click();  // no program yet: the dialog opens
  usage.Label15.click();  // a program is known: off and on again ask nothing
  usage.Label15.click();
  usage.Edit3.setText("/r");
  usage.closeQuery();
  EXPECT_EQ(runOnce("AppDozorik"), "\"C:\\Video Tools\\VirtualDub.exe\" /r");
  // Checked with nothing chosen: a blank and the parameter, so that the next
  // start checks the box again and asks for the program.
  TUsage second(fake.ports, app, sampler);
  fake.dialogs.answer.reset();
  second.CheckBox3.setChecked(true);
  second.Edit3.setText("/s");
  second.closeQuery();
  EXPECT_EQ(runOnce("AppDozorik"), " /s");
  TUsage third(fake.ports, app, sampler);
  third.FormCreate();
  EXPECT_TRUE(third.CheckBox3.checked());
  EXPECT_EQ(fake.dialogs.requests.size(), 3u);
  third.CheckBox3.click();  // unchecked: the entry is emptied at close
  third.closeQuery();
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
  // A backslash in the parameter is where the name part starts.
  EXPECT_EQ(shortenPath("C:\\a\\job.exe D:\\list.jobs", 10, chars), "list.jobs");
  // Label3 is 369 pixels wide, at 6 per character: 61 characters at most.
  usage.OpenDialog2.setFileName("C:\\" + std::string(70, 'd') + "\\job.exe");
  usage.Edit3.setText("/r");
  EXPECT_EQ(usage.Label3.text(), "C:\\...\\job.exe /r");
}

}  // namespace dozorik
