// The switches for scripts, and one Dozorik at a time: the real dozorik.exe
// started with them, and started again while it runs.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "e2e/driven_program.h"

namespace e2e {
namespace {

constexpr wchar_t kCaption[] = L"Dozorik   =Bystro=";
constexpr wchar_t kWatchingCaption[] = L"Dozorik   =Bystro=   Pracujem";

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
  static std::wstring status(DrivenProgram& program, int panel) {
    return program.statusText(program.control(STATUSCLASSNAMEW, {0, 388}), panel);
  }
  // The program's main windows on the screen, whichever process shows them.
  static int dozorikWindows() {
    int count = 0;
    for (HWND h = FindWindowW(L"DozorikForm", nullptr); h;
         h = FindWindowExW(nullptr, h, L"DozorikForm", nullptr)) {
      if (IsWindowVisible(h)) ++count;
    }
    return count;
  }

  const std::wstring folder = [] {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"Dozorik e2e";
  }();
};

// The machine is idle here: 25 quiet ticks under 30 % take 5 seconds.
TEST_F(CommandLineEndToEnd, ItsSwitchesArmAWatchThatALaterStartArmsAgainAndAThirdStops) {
  DrivenProgram program(folder, L"/r /prah 30 /akcia beep /tikov 25");
  const HWND window = program.window();
  EXPECT_EQ(status(program, 1), L"Cakaj na vytazenost CPU pod: 30 %");
  EXPECT_NE(setting(L"Start"), L"<none>") << "armed";
  EXPECT_TRUE(waitUntil(
      [&] { return setting(L"End") != L"<none>" && program.text(window) == kCaption; }, 10))
      << "the watch did not end within 10 seconds";
  EXPECT_EQ(setting(L"Tikov"), L"25");

  // Handed over: armed again, for long, with nothing else opened.
  DrivenProgram again(folder, L"/TIKOV 3000 -r");
  EXPECT_EQ(again.exitCode(30), 0u);
  EXPECT_TRUE(waitUntil([&] { return program.text(window) == kWatchingCaption; }, 10));
  DrivenProgram stop(folder, L"/zrus");
  EXPECT_EQ(stop.exitCode(30), 0u);
  EXPECT_TRUE(waitUntil([&] { return program.text(window) == kCaption; }, 10));
  EXPECT_EQ(dozorikWindows(), 1);
  EXPECT_FALSE(program.waitForBox(0.5));
  EXPECT_EQ(program.close(), 0u);
  EXPECT_EQ(setting(L"Vytazenost") + L" " + setting(L"Vyber") + L" " + setting(L"Tikov"),
            L"3 4 3000");
}

TEST_F(CommandLineEndToEnd, ABadSwitchIsNamedInABoxOfTheStartThatGotItAndArmsNothing) {
  DrivenProgram program(folder, L"/prah 95");
  auto box = program.waitForBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, L"Dozorik");
  EXPECT_NE(box->text.find(L"/prah"), std::wstring::npos);
  program.press(*box, IDOK);
  const HWND window = program.window();
  EXPECT_EQ(program.text(window), kCaption);
  EXPECT_EQ(status(program, 1), L"Cakaj na vytazenost CPU pod: 10 %");
  EXPECT_EQ(setting(L"Start"), L"<none>") << "nothing armed";

  // While it runs: the box is the later start's, which ends with 1.
  DrivenProgram later(folder, L"/r /akcia nic");
  auto refused = later.waitForBox();
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->text.find(L"/akcia"), std::wstring::npos);
  later.press(*refused, IDOK);
  EXPECT_EQ(later.exitCode(30), 1u);
  EXPECT_EQ(program.text(window), kCaption);

  // A start without switches brings the minimised window back.
  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(window); }, 10));
  DrivenProgram plain(folder);
  EXPECT_EQ(plain.exitCode(30), 0u);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(window) != FALSE; }, 10));
  EXPECT_EQ(dozorikWindows(), 1);
  EXPECT_EQ(program.close(), 0u);
}

}  // namespace
}  // namespace e2e
