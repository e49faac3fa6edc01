// The real dozorik.exe, started, clicked, typed into, killed and closed from
// outside, the way its user does; every check is on something the user sees
// or finds afterwards.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "e2e/driven_program.h"

namespace e2e {
namespace {

constexpr wchar_t kCaption[] = L"Dozorik   =Bystro=";
constexpr wchar_t kWatchingCaption[] = L"Dozorik   =Bystro=   Pracujem";
// A watch ends after 250 quiet ticks of 200 ms; a busy moment of the machine
// starts the count again.
constexpr double kWholeWatchSeconds = 240;

// Where the window puts the controls that carry no text: the corners of the
// design, a group's controls offset by the group's own corner.
constexpr Spot inGroup(int x, int y) { return {8 + x, 76 + y}; }
constexpr Spot kEye{8 + 8, 8 + 4};
constexpr Spot kLoadText{8 + 80, 8 + 40};
constexpr Spot kThreshold{224, 20};
constexpr Spot kScreenshotBox = inGroup(8, 23);
constexpr Spot kCallBox = inGroup(8, 56);
constexpr Spot kPhone = inGroup(128, 54);
constexpr Spot kRingSeconds = inGroup(264, 54);
constexpr Spot kChooseFile = inGroup(96, 96);
constexpr Spot kParameter = inGroup(224, 94);
constexpr Spot kArmAtStartBox = inGroup(8, 178);
constexpr Spot kProgramAtStartBox = inGroup(8, 202);
constexpr Spot kProgramParameter = inGroup(296, 199);
constexpr Spot kProgramAtStart = inGroup(28, 221);
constexpr Spot kLogViewer = inGroup(72, 234);
constexpr Spot kTextLog = inGroup(120 + 8, 234 + 10);
constexpr Spot kSpreadsheetLog = inGroup(120 + 56, 234 + 10);
constexpr Spot kCountdown = inGroup(50, 272);
constexpr Spot kStop = inGroup(370, 267);
constexpr Spot kLogBox{16, 314};
constexpr Spot kStatusBar{0, 388};

// The program's window, its controls named as its user knows them.
class Dozorik : public DrivenProgram {
 public:
  using DrivenProgram::DrivenProgram;

  std::wstring caption() { return text(window()); }
  std::wstring status(int panel) {
    return statusText(control(STATUSCLASSNAMEW, kStatusBar), panel);
  }
  HWND eye() { return control(L"Button", kEye); }
  HWND stop() { return control(L"Button", kStop); }
  HWND threshold() { return control(TRACKBAR_CLASSW, kThreshold); }
  HWND loadText() { return control(L"Static", kLoadText); }
  HWND countdown() { return control(PROGRESS_CLASSW, kCountdown); }
  HWND screenshotBox() { return control(L"Button", kScreenshotBox); }
  HWND callBox() { return control(L"Button", kCallBox); }
  HWND phone() { return control(L"Edit", kPhone); }
  HWND ringSeconds() { return control(L"Edit", kRingSeconds); }
  HWND chooseFile() { return control(L"Button", kChooseFile); }
  HWND parameter() { return control(L"Edit", kParameter); }
  HWND launchFile() { return controlWithText(L"Spustit súbor"); }
  HWND beep() { return controlWithText(L"Beep"); }
  HWND armAtStartBox() { return control(L"Button", kArmAtStartBox); }
  HWND programAtStartBox() { return control(L"Button", kProgramAtStartBox); }
  HWND programParameter() { return control(L"Edit", kProgramParameter); }
  HWND programAtStart() { return control(L"Static", kProgramAtStart); }
  HWND logBox() { return control(L"Button", kLogBox); }
  HWND logLabel() { return controlWithText(L"LogFile"); }
  HWND logViewer() { return control(L"Button", kLogViewer); }
  HWND textLog() { return control(L"Button", kTextLog); }
  HWND spreadsheetLog() { return control(L"Button", kSpreadsheetLog); }

  // Lets the watch tick until its load shows.
  void awaitTicks() {
    ASSERT_TRUE(waitUntil([&] { return text(loadText()).rfind(L"CPU % ", 0) == 0; }, 30));
  }
  void awaitEndOfWatch() {
    ASSERT_TRUE(waitUntil([&] { return caption() == kCaption; }, kWholeWatchSeconds))
        << "the watch did not end; the load never stayed low long enough";
  }
};

std::wstring tempFolder() {
  wchar_t path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, path);
  return path;
}

class ProgramEndToEnd : public ::testing::Test {
 protected:
  ProgramEndToEnd() {
    forgetEverySetting();
    install(folder);
  }
  ~ProgramEndToEnd() override { forgetEverySetting(); }

  std::wstring at(const std::wstring& name) const { return folder + L"\\" + name; }
  static std::wstring setting(const wchar_t* name) {
    return registryValue(kProgramKey, name).value_or(L"<none>");
  }
  static std::map<std::wstring, std::wstring> allSettings() {
    std::map<std::wstring, std::wstring> values;
    for (const wchar_t* name : {L"Vyber", L"LogType", L"Logfile", L"Prezvonit", L"screenshot",
                                L"Telefon", L"Parameter1", L"Parameter2", L"Sekund", L"colaps",
                                L"Vytazenost", L"Launchafter", L"App", L"Start", L"End"}) {
      values[name] = setting(name);
    }
    return values;
  }
  static void store(const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kProgramKey, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  static std::wstring runOnce(const wchar_t* name) {
    return registryValue(kRunOnceKey, name).value_or(L"<none>");
  }
  // The bitmap files in the program's folder.
  std::vector<std::wstring> screenshots() const {
    std::vector<std::wstring> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == L".bmp") found.push_back(entry.path().wstring());
    }
    return found;
  }

  const std::wstring folder = tempFolder() + L"Dozorik e2e";
};

TEST_F(ProgramEndToEnd, FirstStartShowsTheDesignAndClosingSavesTheDefaults) {
  Dozorik program(folder);
  program.window();
  EXPECT_FALSE(program.waitForBox(0.5)) << "no box belongs to a first start";
  EXPECT_EQ(program.caption(), kCaption);
  EXPECT_EQ(program.text(program.taskbarWindow()), L"Dozorik");
  wchar_t decimal[8] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
  EXPECT_EQ(program.status(0), std::wstring(L"Ruvo (1") + decimal + L"7)");
  EXPECT_EQ(program.status(1), L"Cakaj na vytazenost CPU pod: 10 %");
  EXPECT_EQ(program.status(2), L" ==> ");
  EXPECT_EQ(program.trackPosition(program.threshold()), 1);
  EXPECT_TRUE(program.checked(program.beep()));
  EXPECT_TRUE(program.checked(program.spreadsheetLog()));
  EXPECT_EQ(program.text(program.ringSeconds()), L"40");
  EXPECT_EQ(setting(L"colaps"), L"true") << "a running program marks its run";

  EXPECT_EQ(program.close(), 0u);
  const std::map<std::wstring, std::wstring> defaults{{L"Vyber", L"4"},
                                                      {L"LogType", L"xls"},
                                                      {L"Logfile", L"false"},
                                                      {L"Prezvonit", L"false"},
                                                      {L"screenshot", L"false"},
                                                      {L"Telefon", L""},
                                                      {L"Parameter1", L""},
                                                      {L"Parameter2", L""},
                                                      {L"Sekund", L"40"},
                                                      {L"colaps", L"false"},
                                                      {L"Vytazenost", L"1"},
                                                      {L"Launchafter", L""},
                                                      {L"App", L""},
                                                      {L"Start", L"<none>"},
                                                      {L"End", L"<none>"}};
  EXPECT_EQ(allSettings(), defaults);
  EXPECT_EQ(runOnce(L"AppDozorik"), L"");
  EXPECT_EQ(runOnce(L"Dozorik"), L"<none>");
}

TEST_F(ProgramEndToEnd, EverySettingMadeInTheWindowComesBackAfterARestart) {
  writeFile(at(L"koniec.cmd"), "@echo %~1> \"%~dp0koniec.txt\"\r\n");
  writeFile(at(L"potom.cmd"), "@exit\r\n");
  {
    Dozorik program(folder);
    program.slide(program.threshold(), 4);
    EXPECT_EQ(program.status(1), L"Cakaj na vytazenost CPU pod: 50 %");
    // Without a file to launch yet, choosing the launch asks for one.
    program.click(program.launchFile());
    auto dialog = program.waitForBox();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->title, L"Vyber subor na spustenie, ked nastane udalost...");
    program.pickFile(*dialog, at(L"potom.cmd"));
    program.click(program.chooseFile());
    dialog = program.waitForBox();
    ASSERT_TRUE(dialog);
    program.pickFile(*dialog, at(L"koniec.cmd"));
    program.type(program.parameter(), L"/ľahko 2");
    program.click(program.screenshotBox());
    program.click(program.callBox());
    program.type(program.phone(), L"0905123456");
    program.type(program.ringSeconds(), L"55");
    program.click(program.logLabel());  // the label toggles its box
    program.click(program.textLog());
    program.click(program.armAtStartBox());
    EXPECT_EQ(runOnce(L"Dozorik"), L"\"" + at(L"dozorik.exe") + L"\" /r");
    program.click(program.programAtStartBox());
    dialog = program.waitForBox();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->title, L"Spustitelné súbory...");
    program.pickFile(*dialog, at(L"potom.cmd"));
    program.type(program.programParameter(), L"/r");
    EXPECT_NE(program.text(program.programAtStart()).find(L"potom.cmd /r"), std::wstring::npos);
    EXPECT_EQ(program.close(), 0u);
  }
  const auto saved = allSettings();
  const std::map<std::wstring, std::wstring> expected{{L"Vyber", L"1"},
                                                      {L"LogType", L"txt"},
                                                      {L"Logfile", L"true"},
                                                      {L"Prezvonit", L"true"},
                                                      {L"screenshot", L"true"},
                                                      {L"Telefon", L"0905123456"},
                                                      {L"Parameter1", L"/ľahko 2"},
                                                      {L"Parameter2", L"/r"},
                                                      {L"Sekund", L"55"},
                                                      {L"colaps", L"false"},
                                                      {L"Vytazenost", L"5"},
                                                      {L"Launchafter", at(L"koniec.cmd")},
                                                      {L"App", at(L"potom.cmd")},
                                                      {L"Start", L"<none>"},
                                                      {L"End", L"<none>"}};
  EXPECT_EQ(saved, expected);
  EXPECT_EQ(runOnce(L"AppDozorik"), L"\"" + at(L"potom.cmd") + L"\" /r");

  {
    Dozorik program(folder);
    program.window();
    EXPECT_FALSE(program.waitForBox(0.5));
    EXPECT_EQ(program.trackPosition(program.threshold()), 5);
    EXPECT_EQ(program.status(1), L"Cakaj na vytazenost CPU pod: 50 %");
    EXPECT_TRUE(program.checked(program.launchFile()));
    EXPECT_EQ(program.text(program.parameter()), L"/ľahko 2");
    EXPECT_TRUE(program.checked(program.screenshotBox()));
    EXPECT_TRUE(program.checked(program.callBox()));
    EXPECT_EQ(program.text(program.phone()), L"0905123456");
    EXPECT_EQ(program.text(program.ringSeconds()), L"55");
    EXPECT_TRUE(program.checked(program.logBox()));
    EXPECT_TRUE(program.checked(program.textLog()));
    EXPECT_FALSE(program.checked(program.spreadsheetLog()));
    EXPECT_TRUE(program.checked(program.armAtStartBox()));
    EXPECT_TRUE(program.checked(program.programAtStartBox()));
    EXPECT_EQ(program.text(program.programParameter()), L"/r");
    EXPECT_NE(program.text(program.programAtStart()).find(L"potom.cmd /r"), std::wstring::npos);
    EXPECT_EQ(program.close(), 0u);
  }
  EXPECT_EQ(allSettings(), saved) << "a second round trip changes nothing";
  EXPECT_EQ(runOnce(L"Dozorik"), L"\"" + at(L"dozorik.exe") + L"\" /r");
  EXPECT_EQ(runOnce(L"AppDozorik"), L"\"" + at(L"potom.cmd") + L"\" /r");
}

TEST_F(ProgramEndToEnd, AKilledRunIsReportedAtTheNextStartOnly) {
  {
    Dozorik program(folder);
    program.window();
    program.kill();
  }
  EXPECT_EQ(setting(L"colaps"), L"true");
  {
    Dozorik program(folder);
    auto box = program.waitForBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, L"Warning");
    EXPECT_EQ(box->text, L"Program nebol naposledy korektne ukončený !");
    program.press(*box, IDOK);
    EXPECT_EQ(program.caption(), kCaption);
    EXPECT_EQ(program.close(), 0u);
  }
  Dozorik program(folder);
  program.window();
  EXPECT_FALSE(program.waitForBox(0.5)) << "a clean end is not reported";
  EXPECT_EQ(program.close(), 0u);
}

TEST_F(ProgramEndToEnd, TheRunOnceSwitchStartsAWatchThatTheStopButtonEnds) {
  Dozorik program(folder, L"/r");
  EXPECT_EQ(program.caption(), kWatchingCaption);
  const std::wstring start = setting(L"Start");
  EXPECT_NE(start, L"<none>");
  EXPECT_EQ(program.status(2), start + L" ==> ???");
  EXPECT_FALSE(IsWindowVisible(program.logViewer()));
  program.awaitTicks();
  EXPECT_EQ(program.text(program.taskbarWindow()).rfind(L"CPU % ", 0), 0u);

  program.click(program.stop());
  EXPECT_EQ(program.caption(), kCaption);
  EXPECT_EQ(program.text(program.taskbarWindow()), L"Dozorik");
  EXPECT_EQ(program.status(2), start + L" ==> " + setting(L"End"));
  EXPECT_EQ(program.text(program.loadText()), L"");
  EXPECT_EQ(program.barPosition(program.countdown()), 0);
  EXPECT_TRUE(IsWindowVisible(program.logViewer()));
  EXPECT_EQ(program.close(), 0u);
}

TEST_F(ProgramEndToEnd, WholeWatchesEndWithTheirActionsAndRecords) {
  writeFile(at(L"koniec.cmd"), "@echo %~1> \"%~dp0koniec.txt\"\r\n");
  Dozorik program(folder);
  // The highest threshold: the machine's own background load must not hold
  // the watch up.
  program.slide(program.threshold(), 7);
  program.click(program.launchFile());
  auto dialog = program.waitForBox();
  ASSERT_TRUE(dialog);
  program.pickFile(*dialog, at(L"koniec.cmd"));
  program.type(program.parameter(), L"hotovo");
  program.click(program.logBox());
  program.click(program.textLog());

  program.click(program.eye());
  EXPECT_EQ(program.caption(), kWatchingCaption);
  EXPECT_TRUE(waitUntil([&] { return program.barPosition(program.countdown()) > 0; }, 30));
  program.awaitEndOfWatch();
  EXPECT_TRUE(waitUntil([&] { return !fileBytes(at(L"koniec.txt")).empty(); }, 30));
  EXPECT_EQ(fileBytes(at(L"koniec.txt")), "hotovo\r\n");
  EXPECT_EQ(program.status(2), setting(L"Start") + L" ==> " + setting(L"End"));
  EXPECT_EQ(program.barPosition(program.countdown()), 0);
  const std::string log = fileBytes(at(L"dozorik.log"));
  const auto lines = std::count(log.begin(), log.end(), '\n');
  EXPECT_GE(lines, 250) << "one line per tick";
  EXPECT_EQ(std::count(log.begin(), log.end(), '\r'), lines);
  EXPECT_EQ(log.substr(log.size() - 3), "%\r\n");
  EXPECT_TRUE(screenshots().empty());

  DeleteFileW(at(L"koniec.txt").c_str());
  program.click(program.beep());
  program.click(program.screenshotBox());
  program.click(program.spreadsheetLog());
  program.click(program.eye());
  program.awaitEndOfWatch();
  const std::string sheet = fileBytes(at(L"Dozorik.xls"));
  ASSERT_GE(sheet.size(), 4u);
  EXPECT_EQ(sheet.substr(0, 2), std::string("\x09\x08", 2)) << "a spreadsheet's first record";
  EXPECT_GT(sheet.size(), 250u * 10) << "a time and a load per tick";
  const auto pictures = screenshots();
  ASSERT_EQ(pictures.size(), 1u);
  const std::string bmp = fileBytes(pictures[0]);
  ASSERT_GT(bmp.size(), 54u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  int width = 0;
  int height = 0;
  std::memcpy(&width, bmp.data() + 18, 4);
  std::memcpy(&height, bmp.data() + 22, 4);
  EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(fileBytes(at(L"koniec.txt")).empty()) << "the beep launches nothing";
  EXPECT_EQ(program.close(), 0u);
}

TEST_F(ProgramEndToEnd, TheStopButtonSavesTheSpreadsheetOfTheWatchSoFar) {
  Dozorik program(folder);
  program.click(program.logBox());
  program.click(program.spreadsheetLog());
  program.click(program.eye());
  program.awaitTicks();
  EXPECT_FALSE(IsWindowEnabled(program.textLog())) << "the log's kind is fixed while it runs";
  EXPECT_TRUE(fileBytes(at(L"Dozorik.xls")).empty());
  program.click(program.stop());
  EXPECT_EQ(program.caption(), kCaption);
  EXPECT_TRUE(IsWindowEnabled(program.textLog()));
  const std::string sheet = fileBytes(at(L"Dozorik.xls"));
  ASSERT_GE(sheet.size(), 4u);
  EXPECT_EQ(sheet.substr(0, 2), std::string("\x09\x08", 2));
  EXPECT_NE(setting(L"End"), L"<none>");
  EXPECT_EQ(program.close(), 0u);
}

TEST_F(ProgramEndToEnd, AStopThatCannotSaveTheSpreadsheetLeavesTheWatchToEndByItself) {
  CreateDirectoryW(at(L"Dozorik.xls").c_str(), nullptr);  // in the way of the spreadsheet
  Dozorik program(folder);
  program.slide(program.threshold(), 7);
  program.click(program.logBox());
  program.click(program.spreadsheetLog());
  program.click(program.eye());
  program.awaitTicks();
  program.click(program.stop());
  auto box = program.waitForBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text.rfind(L"Cannot create file \"" + at(L"Dozorik.xls") + L"\". ", 0), 0u);
  program.press(*box, IDOK);
  RemoveDirectoryW(at(L"Dozorik.xls").c_str());
  EXPECT_EQ(program.caption(), kWatchingCaption) << "a stop that failed is no stop";
  const int counted = program.barPosition(program.countdown());
  EXPECT_TRUE(waitUntil([&] { return program.barPosition(program.countdown()) > counted; }, 30));
  program.awaitEndOfWatch();
  const std::string sheet = fileBytes(at(L"Dozorik.xls"));
  ASSERT_GE(sheet.size(), 4u);
  EXPECT_EQ(sheet.substr(0, 2), std::string("\x09\x08", 2));
  EXPECT_EQ(program.close(), 0u);
}

TEST_F(ProgramEndToEnd, ClosingTheWindowDuringAWatchEndsTheRunCleanly) {
  {
    Dozorik program(folder);
    program.click(program.eye());
    program.awaitTicks();
    EXPECT_EQ(program.close(), 0u);
  }
  EXPECT_EQ(setting(L"colaps"), L"false");
  EXPECT_NE(setting(L"End"), L"<none>");
  Dozorik program(folder);
  program.window();
  EXPECT_FALSE(program.waitForBox(0.5));
  EXPECT_EQ(program.caption(), kCaption) << "only the run-once switch arms at start";
  EXPECT_EQ(program.close(), 0u);
}

// Keeps every processor busy for a while, as a job being watched does.
void keepEveryProcessorBusy(double seconds) {
  std::atomic<bool> done{false};
  std::vector<std::thread> threads(std::max(1u, std::thread::hardware_concurrency()));
  for (auto& thread : threads) {
    thread = std::thread([&] {
      while (!done) continue;
    });
  }
  Sleep(static_cast<DWORD>(seconds * 1000));
  done = true;
  for (auto& thread : threads) thread.join();
}

TEST_F(ProgramEndToEnd, TheOptionsWindowStoresTheSixOptionsAndAShortQuietLengthEndsAWatchSoon) {
  Dozorik program(folder);
  program.slide(program.threshold(), 7);
  program.chooseLastOfSystemMenu();  // "Ďalšie nastavenia..."
  HWND options = program.furtherWindow(L"Ďalšie nastavenia");
  ASSERT_TRUE(options);
  program.type(program.control(L"Edit", {296, 48}, options), L"25");
  program.type(program.control(L"Edit", {296, 92}, options), L"3");
  program.click(program.controlWithText(L"Najvyťaženejší procesor", options));
  program.type(program.control(L"Edit", {296, 218}, options), L"700");
  program.click(program.controlWithText(L"OK", options));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(options); }, 10));
  std::wstring stored;
  for (const wchar_t* name : {L"Bdiet", L"Tikov", L"Tolerancia", L"NajprvZataz", L"Jadro", L"Odpocet"}) {
    stored += setting(name) + L" ";
  }
  EXPECT_EQ(stored, L"true 25 3 false true 600 ");

  program.click(program.eye());
  EXPECT_TRUE(waitUntil([&] { return program.caption() == kCaption; }, 10))
      << "25 quiet ticks are 5 seconds";
  EXPECT_EQ(program.close(), 0u);
}

TEST_F(ProgramEndToEnd, BusyFirstWaitsForTheLoadToRiseBeforeTheQuietCounts) {
  store(L"Tikov", L"25");
  store(L"NajprvZataz", L"true");
  Dozorik program(folder);
  program.slide(program.threshold(), 7);
  program.click(program.eye());
  EXPECT_EQ(program.status(1), L"Najprv čakám na záťaž CPU od: 80 %");
  Sleep(20000);
  EXPECT_EQ(program.caption(), kWatchingCaption) << "an idle machine does not end it";
  EXPECT_EQ(program.barPosition(program.countdown()), 0);
  keepEveryProcessorBusy(4);
  EXPECT_TRUE(waitUntil([&] { return program.caption() == kCaption; }, 30));
  EXPECT_EQ(program.close(), 0u);
}

TEST_F(ProgramEndToEnd, ACountdownBeforeARestartIsStoppedByZrusit) {
  store(L"Tikov", L"25");
  store(L"Odpocet", L"20");
  Dozorik program(folder);
  program.slide(program.threshold(), 7);
  program.click(program.controlWithText(L"Restartovat pocitac"));
  program.click(program.eye());
  HWND countdown = program.furtherWindow(L"Dozorik", 60);
  ASSERT_TRUE(countdown);
  program.controlWithText(L"Počítač sa reštartuje o", countdown);
  program.click(program.controlWithText(L"Zrušiť", countdown));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(countdown); }, 10));
  EXPECT_EQ(program.status(1), L"Reštart počítača zrušený");
  Sleep(3000);
  EXPECT_TRUE(program.running()) << "nothing restarted";
  EXPECT_EQ(program.close(), 0u);
}

}  // namespace
}  // namespace e2e
