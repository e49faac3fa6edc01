// Settings and start-up entries through Wine's real registry.

#include <windows.h>

#include <gtest/gtest.h>

#include "app/usage.h"
#include "fakes/scripted_sampler.h"
#include "platform/win32/wide.h"
#include "win32/real_ports.h"

namespace dozorik {
namespace {

constexpr const wchar_t* kKey = L"SOFTWARE\\RuvoSOFTWARE\\Dozorik";
constexpr const wchar_t* kRunOnce = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

std::string read(const wchar_t* key, const wchar_t* name) {
  wchar_t value[512] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return "<none>";
  }
  return win32::narrow(value);
}

class SettingsTest : public ::testing::Test, protected RealPorts {
 protected:
  SettingsTest() { clean(); }
  ~SettingsTest() override { clean(); }
  static void clean() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    HKEY runOnce = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunOnce, 0, KEY_ALL_ACCESS, &runOnce) == ERROR_SUCCESS) {
      RegDeleteValueW(runOnce, L"Dozorik");
      RegDeleteValueW(runOnce, L"AppDozorik");
      RegCloseKey(runOnce);
    }
  }
  std::unique_ptr<TUsage> start() {
    auto usage = std::make_unique<TUsage>(ports, app, sampler);
    usage->FormCreate();
    return usage;
  }

  fakes::ScriptedSampler sampler;
  ui::Application app{messages, pump};
};

TEST_F(SettingsTest, EverySettingSurvivesARestartOfTheProgram) {
  auto first = start();
  EXPECT_EQ(read(kKey, L"colaps"), "true");
  EXPECT_TRUE(messages.shown.empty());
  first->closeQuery();
  for (auto [name, value] : {std::pair{L"Vyber", "4"}, {L"LogType", "xls"}, {L"Logfile", "false"},
                             {L"Prezvonit", "false"}, {L"screenshot", "false"}, {L"Telefon", ""},
                             {L"Parameter1", ""}, {L"Parameter2", ""}, {L"Sekund", "40"},
                             {L"colaps", "false"}, {L"Vytazenost", "1"}, {L"Launchafter", ""},
                             {L"App", ""}}) {
    EXPECT_EQ(read(kKey, name), value) << win32::narrow(name);
  }

  auto second = start();
  second->TrackBar1.slide(5);
  second->RadioButton2.click();
  second->RadioButton5.click();
  second->Label16.click();
  second->Edit1.type("0905 123 456");
  second->Edit2.type("/ľahko");
  second->SpinEdit1.type(55);
  second->closeQuery();

  auto third = start();
  EXPECT_EQ(third->TrackBar1.position(), 5);
  EXPECT_TRUE(third->RadioButton2.checked());
  EXPECT_TRUE(third->RadioButton5.checked());
  EXPECT_TRUE(third->CheckBox5.checked());
  EXPECT_EQ(third->Edit1.text(), "0905 123 456");
  EXPECT_EQ(third->Edit2.text(), "/ľahko");
  EXPECT_EQ(third->SpinEdit1.value(), 60 - 5);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsTest, AnUncleanEndIsReportedAndAStoredThresholdIsClamped) {
  start();  // never closed, as if the process had been killed
  registry.writeString("SOFTWARE\\RuvoSOFTWARE\\Dozorik", "Vytazenost", "12");
  process.args = {"/r"};
  auto next = start();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Program nebol naposledy korektne ukončený !");
  EXPECT_EQ(next->TrackBar1.position(), 8);
  EXPECT_TRUE(next->Timer1.enabled());
  EXPECT_NE(read(kKey, L"Start"), "<none>");
}

TEST_F(SettingsTest, TheRunOnceEntriesAreWrittenQuotedAndEmptied) {
  process.path = "C:\\Program Files\\Dozorik\\dozorik.exe";
  auto usage = start();
  usage->CheckBox1.click();
  EXPECT_EQ(read(kRunOnce, L"Dozorik"), "\"C:\\Program Files\\Dozorik\\dozorik.exe\" /r");
  usage->CheckBox1.click();
  EXPECT_EQ(read(kRunOnce, L"Dozorik"), "");

  dialogs.answer = "C:\\Tools\\VirtualDub.exe";
  usage->CheckBox3.click();
  usage->Edit3.type("/r");
  usage->closeQuery();
  EXPECT_EQ(read(kRunOnce, L"AppDozorik"), "\"C:\\Tools\\VirtualDub.exe\" /r");
  EXPECT_EQ(usage->Label3.text(), "C:\\Tools\\VirtualDub.exe /r");
}

}  // namespace
}  // namespace dozorik
