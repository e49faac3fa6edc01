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

// What the window shows of each stored value.
static std::string shown(TUsage& w, const std::string& name) {
  const auto flag = [](const auto& box) { return box.checked() ? "true" : "false"; };
  if (name == "Vytazenost") return std::to_string(w.TrackBar1.position());
  if (name == "Sekund") return w.SpinEdit1.text();
  if (name == "Telefon") return w.Edit1.text();
  if (name == "Parameter1") return w.Edit2.text();
  if (name == "Parameter2") return w.Edit3.text();
  if (name == "Launchafter") return w.OpenDialog1.fileName();
  if (name == "App") return w.OpenDialog2.fileName();
  if (name == "Logfile") return flag(w.CheckBox5);
  if (name == "screenshot") return flag(w.CheckBox4);
  if (name == "Prezvonit") return flag(w.CheckBox2);
  if (name == "LogType") return w.RadioButton5.checked() ? "txt" : "xls";
  for (const ui::RadioButton* b : {&w.RadioButton0, &w.RadioButton1, &w.RadioButton2,
                                   &w.RadioButton3, &w.RadioButton4}) {
    if (b->checked()) return b->name();
  }
  return "";
}

// Each value, restored alone: what the window shows, and what its close
// saves again.
TEST_F(SettingsStoreTest, StoredValuesComeBackClampedAndCompareExactly) {
  const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
      {"Vytazenost", "12", "8", "8"},      {"Vytazenost", "5", "5", "5"},
      {"Vytazenost", " 3 ", "3", "3"},     {"Vytazenost", "99999999999", "8", "8"},
      {"Vytazenost", "-4", "1", "1"},      {"Sekund", "90", "60", "60"},
      {"Sekund", "5", "40", "40"},         {"Sekund", "55", "55", "55"},
      {"Sekund", "4 5", "40", "40"},       {"Sekund", "-99999999999", "40", "40"},
      {"Vyber", "1", "RadioButton0", "1"}, {"Vyber", "2", "RadioButton1", "2"},
      {"Vyber", "3", "RadioButton2", "3"}, {"Vyber", "4", "RadioButton4", "4"},
      {"Vyber", "5", "RadioButton3", "5"}, {"Vyber", "6", "RadioButton4", "4"},
      {"Vyber", "", "RadioButton4", "4"},  {"screenshot", "True", "false", "false"},
      {"screenshot", "true", "true", "true"}, {"Logfile", "true", "true", "true"},
      {"Prezvonit", "true", "true", "true"},  {"Prezvonit", "yes", "false", "false"},
      {"LogType", "", "xls", "xls"},       {"LogType", "TXT", "xls", "xls"},
      {"LogType", "txt", "txt", "txt"},    {"Telefon", "0905 11", "0905 11", "0905 11"},
      {"Telefon", "", "", ""},             {"Parameter1", "/q", "/q", "/q"},
      {"Parameter2", "/r", "/r", "/r"},    {"Launchafter", "C:\\a.bat", "C:\\a.bat", "C:\\a.bat"},
      {"App", "C:\\b.exe", "C:\\b.exe", "C:\\b.exe"}};
  for (auto [name, value, onScreen, saved] : rows) {
    fakes::FakePorts other;
    ui::Application otherApp(other.messages, other.pump);
    TUsage window(other.ports, otherApp, sampler);
    other.registry.writeString(kKey, name, value);
    window.FormCreate();
    EXPECT_EQ(shown(window, name), onScreen) << name << "=" << value;
    window.closeQuery();
    EXPECT_EQ(*other.registry.readString(kKey, name), saved) << name << "=" << value;
  }
}

// The other way: what the user sets in the window is what the close stores,
// and a first start shows and says nothing else.
TEST_F(SettingsStoreTest, AFirstStartIsSilentAndTheCloseStoresWhatTheWindowShows) {
  usage.FormCreate();
  EXPECT_EQ(boxes(), Strings{});
  EXPECT_EQ(usage.StatusBar1.panelText(0) + "|" + usage.StatusBar1.panelText(1) + "|" +
                usage.StatusBar1.panelText(2),
            "Ruvo (1,7)|Cakaj na vytazenost CPU pod: 10 %| ==> ");
  EXPECT_EQ(stored("colaps"), "true");
  usage.TrackBar1.slide(6);
  usage.SpinEdit1.type("47");
  usage.Edit1.type("0905");
  usage.Edit2.type("/x");
  usage.Edit3.type("/y");
  fake.dialogs.answer = "C:\\a.cmd";
  usage.Button1.click();
  fake.dialogs.answer = "C:\\b.exe";
  usage.Button2.click();
  for (ui::Label* label : {&usage.Label7, &usage.Label8, &usage.Label16}) label->click();
  usage.RadioButton5.click();
  usage.RadioButton2.click();
  usage.closeQuery();
  Strings saved;
  for (const char* name : {"Vytazenost", "Sekund", "Telefon", "Parameter1", "Parameter2",
                           "Launchafter", "App", "screenshot", "Prezvonit", "Logfile", "LogType",
                           "Vyber", "colaps"}) {
    saved.push_back(stored(name));
  }
  EXPECT_EQ(join(saved), "6, 47, 0905, /x, /y, C:\\a.cmd, C:\\b.exe, true, true, true, txt, 3, false");
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
  const fakes::ShownMessage& box = fake.messages.shown.at(2);  // a plain box, no icon
  EXPECT_EQ(box.caption + ": " + box.text + (box.icon == MessageIcon::None ? "" : " with an icon"),
            "Dozorik: Chyba pri zápise do registra!!!(Vyber)");
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
    // One letter beyond 16 bits counts twice, as two units of UTF-16.
    fake.process.path = "C:\\" + std::string(length - 18, 'd') + "č😀\\dozorik.exe";
    usage.CheckBox1.setChecked(true);
    EXPECT_EQ(usage.CheckBox1.checked(), length == 255);
    EXPECT_EQ(runOnce("Dozorik").size(), length == 255 ? 263u : 0u);
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
  EXPECT_EQ(join({shortenPath(path, 100, chars), shortenPath(path, chars(path), chars),
                  shortenPath(path, 30, chars),
                  shortenPath(path, 25, chars), shortenPath(path, 23, chars),
                  shortenPath(path, 5, chars)}),
            path + ", " + path + ", C:\\...\\Jobs\\VirtualDub.exe /r, C:\\...\\VirtualDub.exe /r, "
                   "...\\VirtualDub.exe /r, VirtualDub.exe /r");
  // Label3 is 369 pixels wide, at 6 per character: 61 characters at most.
  usage.OpenDialog2.setFileName("C:\\" + std::string(70, 'd') + "\\job.exe");
  usage.Edit3.setText("/r");
  EXPECT_EQ(usage.Label3.text(), "C:\\...\\job.exe /r");
}

}  // namespace dozorik
