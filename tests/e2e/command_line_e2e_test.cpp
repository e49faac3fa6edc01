// The switches for scripts, and one Dozorik at a time: the real dozorik.exe
// started with them, and started again while it runs.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "e2e/driven_program.h"

namespace e2e {
namespace {

constexpr wchar_t kCaption[] = L"Dozorik   =Bystro=";

class CommandLineEndToEnd : public ::testing::Test {
 protected:
  CommandLineEndToEnd() {
    forgetEverySetting();
    install(folder);
  }
  ~CommandLineEndToEnd() override { forgetEverySetting(); }

  static std::wstring setting(const wchar_t* name) {
    return registryValue(kProgramKey, name).value_or(L"<none>");
  }
  // The program's main windows on the screen, whichever process shows them.
  static int dozorikWindows() {
    int shown = 0;
    for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, L"DozorikForm", nullptr));) {
      shown += IsWindowVisible(h) ? 1 : 0;
    }
    return shown;
  }

  const std::wstring folder = [] {
    wchar_t temp[MAX_PATH] = {};
    return std::wstring(temp, GetTempPathW(MAX_PATH, temp)) + L"Dozorik e2e";
  }();
};

// The machine is idle here: 25 quiet ticks under 30 % take 5 seconds.
TEST_F(CommandLineEndToEnd, ItsSwitchesArmAWatchAndLaterStartsArmItAgainAndStopIt) {
  DrivenProgram program(folder, L"/r /prah 30 /akcia beep /tikov 25");
  const HWND window = program.window();
  EXPECT_EQ(program.statusText(program.control(STATUSCLASSNAMEW, {0, 388}), 1),
            L"Cakaj na vytazenost CPU pod: 30 %");
  EXPECT_NE(setting(L"Start"), L"<none>") << "armed";
  EXPECT_TRUE(waitUntil([&] { return setting(L"End") != L"<none>"; }, 10))
      << "the watch did not end within 10 seconds";
  DrivenProgram again(folder, L"/TIKOV 3000 -r");
  EXPECT_EQ(again.exitCode(30), 0u);
  EXPECT_TRUE(waitUntil([&] { return program.text(window) != kCaption; }, 10)) << "armed again";
  DrivenProgram stop(folder, L"/zrus");
  EXPECT_EQ(stop.exitCode(30), 0u);
  EXPECT_TRUE(waitUntil([&] { return program.text(window) == kCaption; }, 10)) << "stopped";
  EXPECT_EQ(dozorikWindows(), 1);
  EXPECT_EQ(program.close(), 0u);
  EXPECT_EQ(setting(L"Vytazenost") + L" " + setting(L"Tikov"), L"3 3000");
}

TEST_F(CommandLineEndToEnd, ABadSwitchIsNamedInABoxOfTheStartThatGotItAndArmsNothing) {
  DrivenProgram program(folder, L"/prah 95");
  auto box = program.waitForBox();
  ASSERT_TRUE(box);
  EXPECT_NE(box->text.find(L"/prah"), std::wstring::npos);
  program.press(*box, IDOK);
  const HWND window = program.window();
  EXPECT_EQ(program.text(window) + L" " + setting(L"Start"), std::wstring(kCaption) + L" <none>");
  // While it runs, the box is the later start's, which ends with 1.
  DrivenProgram later(folder, L"/r /akcia nic");
  box = later.waitForBox();
  ASSERT_TRUE(box);
  EXPECT_NE(box->text.find(L"/akcia"), std::wstring::npos);
  later.press(*box, IDOK);
  EXPECT_EQ(later.exitCode(30), 1u);
  // A start without switches brings the minimised window back.
  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(window); }, 10));
  DrivenProgram plain(folder);
  EXPECT_EQ(plain.exitCode(30), 0u);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(window) != FALSE; }, 10));
  EXPECT_EQ(program.text(window) + L" " + setting(L"Start"), std::wstring(kCaption) + L" <none>");
  EXPECT_EQ(dozorikWindows(), 1);
  EXPECT_EQ(program.close(), 0u);
}

// In English, a start's own boxes are English from the first.
TEST_F(CommandLineEndToEnd, InEnglishTheUsageAndAWrongSwitchAreToldInEnglish) {
  setRegistryValue(kProgramKey, L"Jazyk", L"en");
  DrivenProgram help(folder, L"/?");
  auto box = help.waitForBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text.rfind(L"Usage: dozorik.exe [switches]", 0), 0u);
  help.press(*box, IDOK);
  EXPECT_EQ(help.exitCode(30), 0u);
  DrivenProgram program(folder, L"/prah 95");
  box = program.waitForBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text.rfind(L"The switch /prah does not take the value \"95\"", 0), 0u);
  program.press(*box, IDOK);
  EXPECT_EQ(program.close(), 0u);
}

}  // namespace
}  // namespace e2e
