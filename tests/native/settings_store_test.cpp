#include "native/usage_fixture.h"

namespace dozorik {
namespace {

constexpr const char* kKey = "SOFTWARE\\RuvoSOFTWARE\\Dozorik";
constexpr const char* kRunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

class SettingsStoreTest : public UsageTest {
 protected:
  void store(const std::string& name, const std::string& value) {
    fake.registry.writeString(kKey, name, value);
  }
  std::vector<std::string> texts() {
    std::vector<std::string> out;
    for (auto& m : fake.messages.shown) out.push_back(m.text);
    return out;
  }
};

TEST_F(SettingsStoreTest, AFreshAccountGetsTheDefaultsAndTheMarker) {
  usage.FormCreate();
  EXPECT_TRUE(fake.registry.hasKey(kKey));
  EXPECT_TRUE(fake.messages.shown.empty());
  EXPECT_EQ(usage.TrackBar1.position(), 1);
  EXPECT_TRUE(usage.RadioButton4.checked());
  EXPECT_TRUE(usage.RadioButton6.checked());  // not the design's "txt"
  EXPECT_EQ(usage.Edit1.text(), "");
  EXPECT_EQ(usage.StatusBar1.panelText(2), " ==> ");
  EXPECT_EQ(usage.CheckBox4.hint(), "Save To:    C:\\Dozorik\\");
  EXPECT_EQ(stored("colaps"), "true");

  // Closing writes every value, in order, with those defaults.
  fake.registry.writes.clear();
  EXPECT_TRUE(usage.closeQuery());
  EXPECT_EQ(fake.registry.writes,
            (std::vector<std::string>{"Vyber", "LogType", "Logfile", "Prezvonit", "screenshot",
                                      "Telefon", "Parameter1", "Parameter2", "Sekund", "colaps",
                                      "Vytazenost", "Launchafter", "App", "AppDozorik"}));
  EXPECT_EQ(stored("Vyber"), "4");
  EXPECT_EQ(stored("LogType"), "xls");
  EXPECT_EQ(stored("Logfile"), "false");
  EXPECT_EQ(stored("Sekund"), "40");
  EXPECT_EQ(stored("colaps"), "false");
  EXPECT_EQ(stored("Vytazenost"), "1");
}

TEST_F(SettingsStoreTest, StoredValuesComeBackClampedAndCompareExactly) {
  store("Vytazenost", "12");
  store("Sekund", "90");
  store("Logfile", "true");
  store("screenshot", "True");
  store("LogType", "TXT");
  store("Vyber", "5");
  store("Prezvonit", "true");
  store("Telefon", "0905123456");
  store("Parameter1", "/q");
  store("Launchafter", "C:\\a.bat");
  usage.FormCreate();
  EXPECT_EQ(usage.TrackBar1.position(), 8);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 80 %");
  EXPECT_EQ(usage.SpinEdit1.value(), 60);
  EXPECT_TRUE(usage.CheckBox5.checked());
  EXPECT_FALSE(usage.CheckBox4.checked());
  EXPECT_TRUE(usage.RadioButton6.checked());
  EXPECT_TRUE(usage.RadioButton3.checked());  // "5" is the restart
  EXPECT_TRUE(usage.CheckBox2.checked());
  EXPECT_EQ(usage.Edit1.text(), "0905123456");
  EXPECT_EQ(usage.Edit2.hint(), "C:\\a.bat/q");
  EXPECT_TRUE(fake.dialogs.requests.empty());

  for (const char* vyber : {"4", "6", ""}) {
    TUsage other(fake.ports, app, sampler);
    store("Vyber", vyber);
    store("Sekund", "5");
    other.FormCreate();
    EXPECT_TRUE(other.RadioButton4.checked()) << vyber;
    EXPECT_EQ(other.SpinEdit1.value(), 40);
  }
}

TEST_F(SettingsStoreTest, TheLaunchActionRestoredWithoutAFileAsksForOne) {
  store("Vyber", "1");
  fake.dialogs.answer = "D:\\encode.cmd";
  usage.FormCreate();
  EXPECT_TRUE(usage.RadioButton0.checked());
  ASSERT_EQ(fake.dialogs.requests.size(), 1u);
  EXPECT_EQ(usage.OpenDialog1.fileName(), "D:\\encode.cmd");
}

TEST_F(SettingsStoreTest, AnUncleanEndIsReportedOnce) {
  store("colaps", "true");
  usage.FormCreate();
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "Program nebol naposledy korektne ukončený !");
  EXPECT_EQ(fake.messages.shown[0].caption, "Warning");
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Warning);
  usage.closeQuery();

  TUsage next(fake.ports, app, sampler);
  next.FormCreate();
  EXPECT_EQ(fake.messages.shown.size(), 1u);
}

TEST_F(SettingsStoreTest, ADamagedNumberIsReportedAndTheRestOfTheRestoreGoesOn) {
  store("Vytazenost", "3x");
  store("Sekund", "0x30");
  store("Logfile", "true");
  fake.registry.writeString(kRunOnce, "Dozorik", "\"C:\\old\\dozorik.exe\" /r");
  fake.process.args = {"/r"};
  usage.FormCreate();
  EXPECT_EQ(texts(), (std::vector<std::string>{"'3x' is not a valid integer value.",
                                               "'0x30' is not a valid integer value."}));
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Stop);
  EXPECT_EQ(usage.TrackBar1.position(), 1);
  EXPECT_TRUE(usage.CheckBox5.checked());
  EXPECT_EQ(stored("colaps"), "true");
  EXPECT_TRUE(usage.CheckBox1.checked());
  EXPECT_TRUE(usage.Timer1.enabled());
}

TEST_F(SettingsStoreTest, FailedWritesAreEachReportedAndTheCloseGoesOn) {
  usage.FormCreate();
  fake.registry.failWrites = true;
  fake.messages.shown.clear();
  EXPECT_TRUE(usage.closeQuery());
  ASSERT_EQ(fake.messages.shown.size(), 14u);
  EXPECT_EQ(fake.messages.shown[0].text, "Chyba pri zápise do registra!!!(Vyber)");
  EXPECT_EQ(fake.messages.shown[0].caption, "Dozorik");
  EXPECT_EQ(fake.messages.shown[13].text, "Chyba pri zápise do registra(145)!!!");
  EXPECT_EQ(stored("colaps"), "true");
}

}  // namespace
}  // namespace dozorik
