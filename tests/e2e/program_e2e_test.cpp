// The real dozorik.exe, started, clicked, typed into, killed and closed from
// outside, the way its user does; every check is on something the user sees
// or finds afterwards.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "e2e/driven_program.h"
#include "platform/win32/wide.h"

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

// The program's window, its controls named as its user knows them.
class Dozorik : public DrivenProgram {
 public:
  using DrivenProgram::DrivenProgram;

  std::wstring caption() { return text(window()); }
  std::wstring status(int panel) { return statusText(control(STATUSCLASSNAMEW, {0, 388}), panel); }
  HWND eye() { return control(L"Button", {8 + 8, 8 + 4}); }
  HWND stop() { return control(L"Button", inGroup(370, 267)); }
  HWND threshold() { return control(TRACKBAR_CLASSW, {224, 20}); }
  HWND loadText() { return control(L"Static", {8 + 80, 8 + 40}); }
  HWND countdown() { return control(PROGRESS_CLASSW, inGroup(50, 272)); }
  HWND screenshotBox() { return control(L"Button", inGroup(8, 23)); }
  HWND callBox() { return control(L"Button", inGroup(8, 56)); }
  HWND phone() { return control(L"Edit", inGroup(128, 54)); }
  HWND ringSeconds() { return control(L"Edit", inGroup(264, 54)); }
  HWND chooseFile() { return control(L"Button", inGroup(96, 96)); }
  HWND parameter() { return control(L"Edit", inGroup(224, 94)); }
  HWND armAtStartBox() { return control(L"Button", inGroup(8, 178)); }
  HWND programAtStartBox() { return control(L"Button", inGroup(8, 202)); }
  HWND programParameter() { return control(L"Edit", inGroup(296, 199)); }
  HWND programAtStart() { return control(L"Static", inGroup(28, 221)); }
  HWND logBox() { return control(L"Button", {16, 314}); }
  HWND logViewer() { return control(L"Button", inGroup(72, 234)); }
  HWND textLog() { return control(L"Button", inGroup(120 + 8, 234 + 10)); }
  HWND spreadsheetLog() { return control(L"Button", inGroup(120 + 56, 234 + 10)); }

  // Lets the watch tick until its load shows.
  void awaitTicks() {
    ASSERT_TRUE(waitUntil([&] { return text(loadText()).rfind(L"CPU % ", 0) == 0; }, 30));
  }
  void awaitEndOfWatch(double seconds = kWholeWatchSeconds) {
    ASSERT_TRUE(waitUntil([&] { return caption() == kCaption; }, seconds))
        << "the watch did not end; the load never stayed low long enough";
  }
  // The file dialog a click opens, answered with `path`.
  void clickAndPick(HWND control, const std::wstring& title, const std::wstring& path) {
    click(control);
    auto dialog = waitForBox();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->title, title);
    pickFile(*dialog, path);
  }
};

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
  static void store(const wchar_t* name, const std::wstring& value) {
    setRegistryValue(kProgramKey, name, value);
  }
  // Values as "name=value" one after another; unless named, every one the
  // close stores.
  static std::wstring settings(std::vector<const wchar_t*> names = {
                                   L"Vyber", L"LogType", L"Logfile", L"Prezvonit", L"screenshot",
                                   L"Telefon", L"Parameter1", L"Parameter2", L"Sekund", L"colaps",
                                   L"Vytazenost", L"Launchafter", L"App"}) {
    std::wstring all;
    for (const wchar_t* name : names) {
      all += std::wstring(all.empty() ? L"" : L" ") + name + L"=" + setting(name);
    }
    return all;
  }
  static std::wstring runOnce(const wchar_t* name) {
    return registryValue(kRunOnceKey, name).value_or(L"<none>");
  }
  std::vector<std::wstring> screenshots() const {
    std::vector<std::wstring> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == L".bmp") found.push_back(entry.path().wstring());
    }
    return found;
  }

  const std::wstring folder = [] {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"Dozorik e2e";
  }();
};

TEST_F(ProgramEndToEnd, FirstStartDefaultsCleanEndsAndAKilledRunReportedOnce) {
  {
    Dozorik program(folder);
    program.window();
    EXPECT_FALSE(program.waitForBox(0.5)) << "no box belongs to a first start";
    EXPECT_EQ(program.caption(), kCaption);
    EXPECT_EQ(program.text(program.taskbarWindow()), L"Dozorik");
    wchar_t decimal[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
    EXPECT_EQ(program.status(0) + L"|" + program.status(1) + L"|" + program.status(2),
              std::wstring(L"Ruvo (1") + decimal + L"7)|Cakaj na vytazenost CPU pod: 10 %| ==> ");
    EXPECT_TRUE(program.checked(program.controlWithText(L"Beep")));
    EXPECT_TRUE(program.checked(program.spreadsheetLog()));
    EXPECT_EQ(setting(L"colaps"), L"true") << "a running program marks its run";
    // Closed during a watch: stopped first, then every setting saved.
    program.click(program.eye());
    program.awaitTicks();
    EXPECT_EQ(program.close(), 0u);
  }
  EXPECT_EQ(settings(),
            L"Vyber=4 LogType=xls Logfile=false Prezvonit=false screenshot=false "
            L"Telefon= Parameter1= Parameter2= Sekund=40 colaps=false Vytazenost=1 "
            L"Launchafter= App=");
  EXPECT_NE(setting(L"End"), L"<none>");
  EXPECT_EQ(runOnce(L"AppDozorik") + L"|" + runOnce(L"Dozorik"), L"|<none>");
  {
    Dozorik program(folder);
    program.window();
    EXPECT_FALSE(program.waitForBox(0.5)) << "a clean end is not reported";
    EXPECT_EQ(program.caption(), kCaption) << "only the run-once switch arms at start";
    program.kill();
  }
  for (bool warned : {true, false}) {
    Dozorik program(folder);
    auto box = program.waitForBox(warned ? 15 : 0.5);
    ASSERT_EQ(box.has_value(), warned);
    if (box) {
      EXPECT_EQ(box->title + L": " + box->text,
                L"Warning: Program nebol naposledy korektne ukončený !");
      program.press(*box, IDOK);
    }
    EXPECT_EQ(program.close(), 0u);
  }
}

TEST_F(ProgramEndToEnd, EverySettingMadeInTheWindowComesBackAfterARestart) {
  writeFile(at(L"potom.cmd"), "@exit\r\n");
  {
    Dozorik program(folder);
    program.slide(program.threshold(), 4);
    EXPECT_EQ(program.status(1), L"Cakaj na vytazenost CPU pod: 50 %");
    // Without a file to launch yet, choosing the launch asks for one.
    const std::wstring launchTitle = L"Vyber subor na spustenie, ked nastane udalost...";
    program.clickAndPick(program.controlWithText(L"Spustit súbor"), launchTitle, at(L"potom.cmd"));
    // A file that is not there yet is taken all the same.
    program.clickAndPick(program.chooseFile(), launchTitle, at(L"koniec.cmd"));
    program.type(program.parameter(), L"/ľahko 2");
    program.click(program.screenshotBox());
    program.click(program.callBox());
    program.type(program.phone(), L"0905123456");
    program.type(program.ringSeconds(), L"55");
    program.click(program.controlWithText(L"LogFile"));  // the label toggles its box
    program.click(program.textLog());
    program.click(program.armAtStartBox());
    EXPECT_EQ(runOnce(L"Dozorik"), L"\"" + at(L"dozorik.exe") + L"\" /r");
    program.clickAndPick(program.programAtStartBox(), L"Spustitelné súbory...", at(L"potom.cmd"));
    program.type(program.programParameter(), L"/r");
    EXPECT_EQ(program.close(), 0u);
  }
  const std::wstring saved = settings();
  EXPECT_EQ(saved,
            L"Vyber=1 LogType=txt Logfile=true Prezvonit=true screenshot=true "
            L"Telefon=0905123456 Parameter1=/ľahko 2 Parameter2=/r Sekund=55 colaps=false "
            L"Vytazenost=5 Launchafter=" +
                at(L"koniec.cmd") + L" App=" + at(L"potom.cmd"));
  EXPECT_EQ(runOnce(L"AppDozorik"), L"\"" + at(L"potom.cmd") + L"\" /r");
  {
    Dozorik program(folder);
    EXPECT_FALSE(program.waitForBox(0.5));
    EXPECT_TRUE(program.checked(program.armAtStartBox()) && program.checked(program.logBox()));
    EXPECT_NE(program.text(program.programAtStart()).find(L"potom.cmd /r"), std::wstring::npos);
    EXPECT_EQ(program.close(), 0u);
  }
  // The restore showed every setting again: saving them once more changes nothing.
  EXPECT_EQ(settings(), saved);
  EXPECT_EQ(runOnce(L"Dozorik"), L"\"" + at(L"dozorik.exe") + L"\" /r");
}

// Started as Windows starts a run-once command: in another directory.
TEST_F(ProgramEndToEnd, TheRunOnceSwitchArmsAndAStopThatCannotSaveLeavesTheWatchToEndByItself) {
  CreateDirectoryW(at(L"Dozorik.xls").c_str(), nullptr);  // in the way of the spreadsheet
  store(L"Logfile", L"true");
  store(L"Vytazenost", L"8");
  const std::wstring elsewhere = at(L"elsewhere");
  CreateDirectoryW(elsewhere.c_str(), nullptr);
  Dozorik program(folder, L"/r", elsewhere);
  EXPECT_EQ(program.caption(), kWatchingCaption);
  const std::wstring start = setting(L"Start");
  EXPECT_EQ(program.status(2), start + L" ==> ???");
  EXPECT_FALSE(IsWindowVisible(program.logViewer()));
  EXPECT_FALSE(IsWindowEnabled(program.textLog())) << "the log's kind is fixed while it runs";
  program.awaitTicks();
  EXPECT_EQ(program.text(program.taskbarWindow()).rfind(L"CPU % ", 0), 0u);

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
  EXPECT_EQ(program.text(program.taskbarWindow()), L"Dozorik");
  EXPECT_EQ(program.status(2), start + L" ==> " + setting(L"End"));
  EXPECT_EQ(program.text(program.loadText()), L"");
  EXPECT_TRUE(IsWindowVisible(program.logViewer()) && IsWindowEnabled(program.textLog()));
  const std::string sheet = fileBytes(at(L"Dozorik.xls"));
  EXPECT_EQ(sheet.substr(0, 2), std::string("\x09\x08", 2)) << "a spreadsheet's first record";
  EXPECT_GT(sheet.size(), 250u * 10) << "a time and a load per tick";
  // The stop's spreadsheet lands beside the program too, whatever is current.
  DeleteFileW(at(L"Dozorik.xls").c_str());
  program.click(program.eye());
  program.awaitTicks();
  program.click(program.stop());
  EXPECT_EQ(program.caption(), kCaption);
  EXPECT_EQ(fileBytes(at(L"Dozorik.xls")).substr(0, 2), std::string("\x09\x08", 2));
  EXPECT_FALSE(std::filesystem::exists(elsewhere + L"\\Dozorik.xls"));
  EXPECT_EQ(program.close(), 0u);
}

TEST_F(ProgramEndToEnd, AWholeWatchEndsWithItsLaunchTheTextLogAndAScreenshot) {
  writeFile(at(L"koniec.cmd"), "@echo %~1> \"%~dp0koniec.txt\"\r\n");
  Dozorik program(folder);
  // The highest threshold: the machine's own background load must not hold
  // the watch up.
  program.slide(program.threshold(), 7);
  program.clickAndPick(program.controlWithText(L"Spustit súbor"),
                       L"Vyber subor na spustenie, ked nastane udalost...", at(L"koniec.cmd"));
  program.type(program.parameter(), L"hotovo");
  program.click(program.logBox());
  program.click(program.textLog());
  program.click(program.screenshotBox());

  program.click(program.eye());
  EXPECT_TRUE(waitUntil([&] { return program.barPosition(program.countdown()) > 0; }, 30));
  program.awaitEndOfWatch();
  EXPECT_TRUE(waitUntil([&] { return !fileBytes(at(L"koniec.txt")).empty(); }, 30));
  EXPECT_EQ(fileBytes(at(L"koniec.txt")), "hotovo\r\n");
  EXPECT_EQ(program.barPosition(program.countdown()), 0);
  const std::string log = fileBytes(at(L"dozorik.log"));
  const auto lines = std::count(log.begin(), log.end(), '\n');
  EXPECT_GE(lines, 250) << "one line per tick";
  EXPECT_EQ(std::count(log.begin(), log.end(), '\r'), lines);
  EXPECT_EQ(log.substr(log.size() - 3), "%\r\n");
  const auto pictures = screenshots();
  ASSERT_EQ(pictures.size(), 1u);
  const std::string bmp = fileBytes(pictures[0]);
  ASSERT_GT(bmp.size(), 54u);
  int size[2] = {};
  std::memcpy(size, bmp.data() + 18, sizeof size);
  EXPECT_EQ(bmp.substr(0, 2) + " " + std::to_string(size[0]) + "x" + std::to_string(size[1]),
            "BM " + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
                std::to_string(GetSystemMetrics(SM_CYSCREEN)));
  EXPECT_EQ(program.close(), 0u);
}

// A folder that refuses the records: the watch ends and launches its file
// with the first error box still waiting for an answer.
TEST_F(ProgramEndToEnd, RecordsThatCannotBeWrittenNeitherStopTheWatchNorWaitForTheBox) {
  writeFile(at(L"koniec.cmd"), "@echo %~1> \"%~dp0koniec.txt\"\r\n");
  CreateDirectoryW(at(L"dozorik.log").c_str(), nullptr);
  CreateDirectoryW(at(L"Dozorik.xls").c_str(), nullptr);
  for (auto [name, value] : {std::pair{L"Vytazenost", L"8"}, {L"Tikov", L"25"}, {L"Vyber", L"1"},
                             {L"Parameter1", L"hotovo"}, {L"Logfile", L"true"},
                             {L"LogType", L"txt"}, {L"screenshot", L"true"}}) {
    store(name, value);
  }
  store(L"Launchafter", at(L"koniec.cmd"));
  Dozorik program(folder);
  program.click(program.eye());
  auto box = program.waitForBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text.rfind(L"Cannot create file \"" + at(L"dozorik.log") + L"\". ", 0), 0u);
  // Nobody answers: the watch ends, its file is launched.
  EXPECT_TRUE(waitUntil([&] { return !fileBytes(at(L"koniec.txt")).empty(); }, 120));
  EXPECT_EQ(fileBytes(at(L"koniec.txt")), "hotovo\r\n");
  EXPECT_EQ(program.caption(), kCaption);
  EXPECT_EQ(screenshots().size(), 1u);
  program.press(*box, IDOK);
  EXPECT_FALSE(program.waitForBox(1)) << "the same refusal is not shown again";
  EXPECT_EQ(program.close(), 0u);
}

// The end action fails: nobody is there to answer a box, so the status bar
// says what and why, and the program goes on.
TEST_F(ProgramEndToEnd, ALaunchTheShellRefusesIsReportedInTheStatusBar) {
  for (auto [name, value] : {std::pair{L"Vytazenost", L"8"}, {L"Tikov", L"25"}, {L"Vyber", L"1"}}) {
    store(name, value);
  }
  store(L"Launchafter", at(L"nie je.cmd"));
  Dozorik program(folder);
  program.click(program.eye());
  EXPECT_TRUE(waitUntil([&] { return program.status(1).rfind(L"Spustenie zlyhalo: ", 0) == 0; },
                        60))
      << dozorik::win32::narrow(program.status(1));
  EXPECT_FALSE(program.waitForBox(1));
  EXPECT_EQ(program.caption(), kCaption);
  EXPECT_EQ(program.close(), 0u);
}

// Started in English: the window speaks it, the watch ends as in Slovak and
// its records keep their names and form.
TEST_F(ProgramEndToEnd, InEnglishTheWindowSpeaksItAndTheRecordsStayAsTheyAre) {
  writeFile(at(L"koniec.cmd"), "@echo %~1> \"%~dp0koniec.txt\"\r\n");
  for (auto [name, value] : {std::pair{L"Jazyk", L"en"}, {L"Vytazenost", L"8"}, {L"Tikov", L"25"},
                             {L"Vyber", L"1"}, {L"Parameter1", L"done"}, {L"Logfile", L"true"},
                             {L"LogType", L"txt"}}) {
    store(name, value);
  }
  store(L"Launchafter", at(L"koniec.cmd"));
  Dozorik program(folder);
  for (const wchar_t* caption : {L"Shut down", L"Restart", L"Sleep", L"Launch file"}) {
    EXPECT_TRUE(program.controlWithText(caption)) << dozorik::win32::narrow(caption);
  }
  EXPECT_ANY_THROW(program.controlWithText(L"Vypnut pocitac"));
  program.click(program.eye());
  const std::wstring armed = program.caption();
  EXPECT_EQ(armed.substr(armed.size() - 7), L"Working") << dozorik::win32::narrow(armed);
  EXPECT_TRUE(waitUntil([&] { return !fileBytes(at(L"koniec.txt")).empty(); }, 120));
  EXPECT_EQ(fileBytes(at(L"koniec.txt")), "done\r\n");
  EXPECT_EQ(program.caption(), kCaption);
  const std::string log = fileBytes(at(L"dozorik.log"));
  EXPECT_GE(std::count(log.begin(), log.end(), '\n'), 25);
  EXPECT_EQ(log.substr(log.size() - 3), "%\r\n");
  EXPECT_EQ(program.close(), 0u);
  EXPECT_EQ(setting(L"Jazyk"), L"en") << "kept as it was";
  EXPECT_EQ(setting(L"Parameter1"), L"done");
}

// Installed where it may not write, as under Program Files: the records go
// to the user's own folder, which the status bar names.
TEST_F(ProgramEndToEnd, WhereItsFolderRefusesFilesTheLogGoesToTheUsersOwnFolder) {
  const char* unixPath = std::getenv("DOZORIK_READONLY_FOLDER");
  if (!unixPath) GTEST_SKIP() << "run through ctest, which makes the folder";
  std::wstring readOnly = L"Z:" + dozorik::win32::widen(unixPath);
  std::replace(readOnly.begin(), readOnly.end(), L'/', L'\\');
  if (std::filesystem::exists(readOnly + L".unavailable")) {
    GTEST_SKIP() << "no read-only folder here: " << fileBytes(readOnly + L".unavailable");
  }
  wchar_t local[MAX_PATH] = {};
  ASSERT_TRUE(GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH));
  const std::filesystem::path records = std::wstring(local) + L"\\Dozorik";
  std::error_code none;
  std::filesystem::remove_all(records, none);
  for (auto [name, value] : {std::pair{L"Vytazenost", L"8"}, {L"Tikov", L"25"},
                             {L"Logfile", L"true"}, {L"LogType", L"txt"}}) {
    store(name, value);
  }
  {
    Dozorik program(readOnly);
    program.click(program.eye());
    program.awaitEndOfWatch(60);
    EXPECT_EQ(program.status(1), L"Zaznamy su v %LOCALAPPDATA%\\Dozorik");
    EXPECT_FALSE(program.waitForBox(0.5)) << "nothing failed";
    EXPECT_EQ(program.close(), 0u);
  }
  const std::string log = fileBytes(records / L"dozorik.log");
  EXPECT_GE(std::count(log.begin(), log.end(), '\n'), 25) << "a line per tick";
  EXPECT_FALSE(std::filesystem::exists(readOnly + L"\\dozorik.log"));
  std::filesystem::remove_all(records, none);
}

// The job runs on the graphics card, the disk or as a program of its own:
// a signal that is on holds an idle watch and is named meanwhile, and one
// Wine does not provide (graphics engines, disks) holds nothing.
TEST_F(ProgramEndToEnd, ANamedProgramHoldsTheWatchWhileItRunsAndSignalsWineLacksHoldNothing) {
  const char* job = std::getenv("DOZORIK_LONG_JOB");
  ASSERT_TRUE(job) << "run through ctest, which builds the job";
  std::filesystem::copy_file(L"Z:" + dozorik::win32::widen(job), at(L"Kodovanie.exe"));
  for (auto [name, value] : {std::pair{L"Vytazenost", L"8"}, {L"Tikov", L"25"},
                             {L"Program", L"kodovanie.exe"}, {L"GPU", L"5"}, {L"Disk", L"1"}}) {
    store(name, value);
  }
  Dozorik program(folder);
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION running{};
  std::wstring command = L"\"" + at(L"Kodovanie.exe") + L"\" 20";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.c_str(), &startup, &running));
  program.click(program.eye());
  EXPECT_TRUE(waitUntil([&] { return program.status(1) == L"Este pracuje: Kodovanie.exe"; }, 10));
  // Far longer than 25 quiet ticks while the job runs.
  EXPECT_EQ(WaitForSingleObject(running.hProcess, 30000), WAIT_OBJECT_0);
  EXPECT_EQ(program.caption(), kWatchingCaption) << "the job held the watch";
  const auto ended = GetTickCount64();
  program.awaitEndOfWatch(15);
  EXPECT_LE(GetTickCount64() - ended, 15000u);
  CloseHandle(running.hThread);
  CloseHandle(running.hProcess);
  EXPECT_EQ(program.close(), 0u);
}

// The message to the phone, to a web server on 127.0.0.1 that records what
// arrives: each form's request comes before the launched file runs, and a
// server that is not there, or never answers, costs the launch nothing but
// a few seconds and a line in the status bar.
TEST_F(ProgramEndToEnd, TheMessageArrivesInEachFormBeforeTheLaunchAndItsFailureIsOnlyTold) {
  const char* state = std::getenv("DOZORIK_MESSAGE_STATE");
  if (!state) GTEST_SKIP() << "run through ctest, which starts the message server";
  std::wstring server = L"Z:" + dozorik::win32::widen(state);
  std::replace(server.begin(), server.end(), L'/', L'\\');
  const std::wstring port = dozorik::win32::widen(fileBytes(server + L"\\port"));
  const std::wstring closedPort = dozorik::win32::widen(fileBytes(server + L"\\closed-port"));
  ASSERT_FALSE(port.empty() || closedPort.empty());
  writeFile(at(L"koniec.cmd"), "@echo done> \"%~dp0koniec.txt\"\r\n");
  store(L"Launchafter", at(L"koniec.cmd"));
  for (auto [name, value] : {std::pair{L"Vytazenost", L"8"}, {L"Tikov", L"25"}, {L"Vyber", L"1"}}) {
    store(name, value);
  }
  // One watch to its launch: what the server got, and how long the end took.
  const auto watch = [&](const std::wstring& address, const wchar_t* form) {
    store(L"Sprava", address);
    store(L"SpravaTyp", form);
    DeleteFileW(at(L"koniec.txt").c_str());
    DeleteFileW((server + L"\\last").c_str());
    Dozorik program(folder);
    program.click(program.eye());
    EXPECT_TRUE(waitUntil([&] { return !fileBytes(at(L"koniec.txt")).empty(); }, 45)) << form;
    const std::string last = fileBytes(server + L"\\last");
    const std::wstring status = program.status(1);
    EXPECT_EQ(program.close(), 0u);
    return std::pair(last, status);
  };
  const std::wstring base = L"http://127.0.0.1:" + port;
  const std::pair<const wchar_t*, const char*> forms[] = {
      {L"ntfy", "Title: Dozorik"}, {L"json", "{\"content\":\"Dozorik na "},
      {L"telegram", "\r\n\r\ntext=Dozorik%20na%20"}, {L"text", "Content-Type: text/plain"}};
  for (auto [form, shape] : forms) {
    const auto [last, status] = watch(base + L"/dozorik-k7q2x9", form);
    EXPECT_EQ(last.rfind("POST /dozorik-k7q2x9 HTTP/1.1\r\n", 0), 0u) << last;
    EXPECT_NE(last.find(shape), std::string::npos) << last;
    EXPECT_EQ(status.find(L"Sprava"), std::wstring::npos) << "delivered";
  }
  for (const std::wstring& away :
       {L"http://127.0.0.1:" + closedPort + L"/k7q2x9", base + L"/hang/k7q2x9"}) {
    const auto started = GetTickCount64();
    const auto [last, status] = watch(away, L"ntfy");
    EXPECT_LT(GetTickCount64() - started, 45000u);
    EXPECT_EQ(status.rfind(L"Sprava neodoslana: ", 0), 0u) << dozorik::win32::narrow(status);
    EXPECT_EQ(status.find(L"k7q2x9"), std::wstring::npos);
  }
}

// The options window sets a short quiet length, the busy start and a
// countdown; the watch then waits for load, ends soon after it, and the
// restart's countdown is cancelled, by the stop button and by its own.
TEST_F(ProgramEndToEnd, TheFurtherOptionsAwaitTheLoadEndTheWatchSoonAndCountDownUntilCancelled) {
  store(L"Vytazenost", L"8");
  store(L"Vyber", L"5");  // restart
  Dozorik program(folder);
  program.chooseLastOfSystemMenu();  // "Ďalšie nastavenia..."
  HWND options = program.furtherWindow(L"Ďalšie nastavenia");
  ASSERT_TRUE(options);
  // The controls of a page lie at the page control's corner, below its tabs.
  const auto onPage = [](int x, int y) { return Spot{8 + 4 + x, 8 + 28 + y}; };
  program.type(program.control(L"Edit", onPage(292, 78), options), L"25");
  program.type(program.control(L"Edit", onPage(292, 122), options), L"3");
  program.click(program.controlWithText(L"Najprv záťaž", options));
  program.click(program.controlWithText(L"Najvyťaženejší procesor", options));
  program.chooseTab(program.control(WC_TABCONTROLW, {8, 8}, options), 1);  // "Koniec"
  program.type(program.control(L"Edit", onPage(292, 6), options), L"8");
  program.click(program.controlWithText(L"OK", options));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(options); }, 10));
  EXPECT_EQ(settings({L"Bdiet", L"Tikov", L"Tolerancia", L"NajprvZataz", L"Jadro", L"Odpocet"}),
            L"Bdiet=true Tikov=25 Tolerancia=3 NajprvZataz=true Jadro=true Odpocet=8");

  program.click(program.eye());
  EXPECT_EQ(program.status(1), L"Najprv cakam na zataz CPU od: 80 %");
  Sleep(20000);
  EXPECT_EQ(program.barPosition(program.countdown()), 0) << "an idle machine does not count";
  keepEveryProcessorBusy(4);
  HWND countdown = program.furtherWindow(L"Dozorik", 30);  // 25 quiet ticks are 5 seconds
  ASSERT_TRUE(countdown);
  program.controlWithText(L"Počítač sa reštartuje o", countdown);
  EXPECT_TRUE(GetWindowLongW(countdown, GWL_EXSTYLE) & WS_EX_TOPMOST) << "above other programs";
  // The stop button of the main window cancels it, as its own button does.
  program.click(program.stop());
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(countdown); }, 10));
  EXPECT_EQ(program.status(1), L"Restart pocitaca zruseny");
  EXPECT_EQ(program.caption(), kCaption);
  program.click(program.eye());
  keepEveryProcessorBusy(4);
  countdown = program.furtherWindow(L"Dozorik", 30);
  ASSERT_TRUE(countdown);
  program.click(program.controlWithText(L"Zrušiť", countdown));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(countdown); }, 10));
  EXPECT_EQ(program.status(1), L"Restart pocitaca zruseny");
  // Past the 8 seconds the countdown had: a restart asked for would end this
  // Wine session, and this test with it.
  Sleep(10000);
  EXPECT_TRUE(program.running()) << "nothing restarted";
  EXPECT_FALSE(program.furtherWindow(L"Dozorik", 0.1)) << "no countdown came back";
  EXPECT_EQ(program.close(), 0u);
}

}  // namespace
}  // namespace e2e
