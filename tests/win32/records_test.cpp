// The records on a real disk and a real screen, under Wine.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/usage.h"
#include "fakes/scripted_sampler.h"
#include "platform/win32/wide.h"
#include "win32/real_ports.h"

namespace dozorik {
namespace {

// The program "lives" in a fresh temporary folder.
class RecordsTest : public ::testing::Test, protected RealPorts {
 protected:
  RecordsTest() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    dir_ = win32::narrow(temp) + "dozorik-records-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(win32::widen(dir_).c_str(), nullptr);
    process.path = dir_ + "\\dozorik.exe";
    app.setTitle("Dozorik");
  }
  ~RecordsTest() override {
    SetCurrentDirectoryW(L"C:\\");
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(win32::widen(dir_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        DeleteFileW(win32::widen(dir_ + "\\" + win32::narrow(found.cFileName)).c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(win32::widen(dir_).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\RuvoSOFTWARE\\Dozorik");
  }
  std::string contents(const std::string& name) {
    std::ifstream in(dir_ + "\\" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void watchToItsEnd(TUsage& usage) {
    usage.SpeedButton1.click();
    sampler.fractions.assign(250, 0.02);
    for (int i = 0; i < 250; ++i) usage.Timer1.fire();
  }

  std::string dir_;
  fakes::ScriptedSampler sampler;
  ui::Application app{messages, pump};
};

TEST_F(RecordsTest, TheTextLogHoldsEveryRecordEndingInCrLf) {
  TUsage usage(ports, app, sampler);
  usage.CheckBox5.setChecked(true);
  usage.SpeedButton1.click();
  sampler.fractions = {0.07, 0.42, 1.0};
  for (int i = 0; i < 3; ++i) usage.Timer1.fire();
  const std::string log = contents("dozorik.log");
  const char* loads[] = {"  7%\r\n", "  42%\r\n", "  100%\r\n"};
  std::size_t at = 0;
  for (const char* load : loads) {
    const std::size_t end = log.find(load, at);
    ASSERT_NE(end, std::string::npos) << log;
    EXPECT_EQ(log.find('\n', at), end + std::string(load).size() - 1);
    at = end + std::string(load).size();
  }
  EXPECT_EQ(at, log.size());
}

TEST_F(RecordsTest, AWatchEndLeavesTheSpreadsheetAndTheCaptureInTheProgramsFolder) {
  TUsage usage(ports, app, sampler);
  usage.CheckBox5.setChecked(true);
  usage.RadioButton6.setChecked(true);
  usage.CheckBox4.setChecked(true);
  SetCurrentDirectoryW(L"C:\\");
  watchToItsEnd(usage);
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;

  // BOF, a label for each of the 2 x 251 cells, EOF.
  const std::string xls = contents("Dozorik.xls");
  auto field16 = [](const std::string& data, std::size_t at) {
    return static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8;
  };
  int labels = 0;
  std::size_t at = 12;
  while (at + 4 <= xls.size() && field16(xls, at) == 0x0204) {
    at += 4 + field16(xls, at + 2);
    ++labels;
  }
  EXPECT_EQ(labels, 2 * 251);
  EXPECT_EQ(xls.substr(at), std::string("\x0A\0\0\0", 4));

  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(win32::widen(dir_ + "\\20??_??_??__??????.bmp").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  const std::string bmp = contents(win32::narrow(found.cFileName));
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(field16(bmp, 18), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(field16(bmp, 22), GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace
}  // namespace dozorik
