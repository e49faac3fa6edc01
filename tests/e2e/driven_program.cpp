#include "e2e/driven_program.h"

#include <commctrl.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/win32/wide.h"

namespace e2e {

namespace {

constexpr wchar_t kFormClass[] = L"DozorikForm";
constexpr wchar_t kFurtherFormClass[] = L"DozorikOwnedForm";
constexpr wchar_t kOwnerClass[] = L"DozorikApplication";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kMenuClass[] = L"#32768";
// A message box's text control, and the file name boxes of the two kinds of
// open-file dialog.
constexpr int kMessageTextId = 0xFFFF;
constexpr int kFileNameComboId = 0x47C;
constexpr int kFileNameEditId = 0x480;

[[noreturn]] void fail(const std::wstring& what) {
  throw std::runtime_error(dozorik::win32::narrow(what));
}

std::wstring className(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

bool visibleOfClass(HWND hwnd, const wchar_t* name) {
  return IsWindowVisible(hwnd) && className(hwnd) == name;
}

// Sends to a window of the program and waits for the answer; a program that
// does not answer within a minute has hung, which fails the test.
LRESULT send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_NORMAL, 60000, &result)) {
    fail(L"The program did not answer a message to its window.");
  }
  return static_cast<LRESULT>(result);
}

// Window walks call back through the system's calling convention, which on
// 32-bit Windows a lambda does not have.
struct WindowSearch {
  std::function<bool(HWND)> wanted;
  HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<WindowSearch*>(param);
  if (!search.wanted(hwnd)) return TRUE;
  search.found = hwnd;
  return FALSE;
}

HWND findChild(HWND parent, const std::function<bool(HWND)>& wanted) {
  WindowSearch search{wanted};
  EnumChildWindows(parent, &matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

bool waitUntil(const std::function<bool()>& done, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return done();
    Sleep(50);
  }
  return true;
}

DrivenProgram::DrivenProgram(const std::wstring& folder, const std::wstring& arguments,
                             const std::wstring& current) {
  const std::wstring exe = folder + L"\\dozorik.exe";
  std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      current.empty() ? folder.c_str() : current.c_str(), &startup, &info_)) {
    fail(L"Cannot start " + exe);
  }
  process_.reset(info_.hProcess);
  thread_.reset(info_.hThread);
}

DrivenProgram::~DrivenProgram() {
  if (running()) kill();
  finishClick();
}

HWND DrivenProgram::findTopLevel(const std::function<bool(HWND)>& wanted) const {
  WindowSearch search{[&](HWND hwnd) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    return process == info_.dwProcessId && wanted(hwnd);
  }};
  EnumWindows(&matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND DrivenProgram::awaitTopLevel(const std::function<bool(HWND)>& wanted, double seconds) const {
  HWND found = nullptr;
  waitUntil([&] { return (found = findTopLevel(wanted)) != nullptr || !running(); }, seconds);
  return found;
}

HWND DrivenProgram::window() {
  if (window_ && IsWindow(window_)) return window_;
  window_ = awaitTopLevel([](HWND h) { return visibleOfClass(h, kFormClass); }, 60);
  if (!window_) fail(L"The program's window never showed.");
  return window_;
}

HWND DrivenProgram::taskbarWindow() {
  HWND owner = findTopLevel([](HWND h) { return className(h) == kOwnerClass; });
  if (!owner) fail(L"The program has no taskbar window.");
  return owner;
}

HWND DrivenProgram::furtherWindow(const std::wstring& caption, double seconds) {
  return awaitTopLevel(
      [&](HWND h) { return visibleOfClass(h, kFurtherFormClass) && windowText(h) == caption; },
      seconds);
}

HWND DrivenProgram::control(const wchar_t* kind, Spot at, HWND in) {
  HWND parent = in ? in : window();
  HWND found = findChild(parent, [&](HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect.left == at.x && rect.top == at.y && lstrcmpiW(className(hwnd).c_str(), kind) == 0;
  });
  if (!found) {
    fail(std::wstring(L"No ") + kind + L" at " + std::to_wstring(at.x) + L"," +
         std::to_wstring(at.y));
  }
  return found;
}

HWND DrivenProgram::controlWithText(const std::wstring& text, HWND in) {
  HWND found = findChild(in ? in : window(), [&](HWND hwnd) {
    return IsWindowVisible(hwnd) && windowText(hwnd) == text;
  });
  if (!found) fail(L"No control shows \"" + text + L"\"");
  return found;
}

void DrivenProgram::click(HWND control) {
  if (pendingClick_.joinable() && !*clickDone_) {
    fail(L"A box of the program is still open: answer it before the next click.");
  }
  finishClick();
  RECT rect;
  GetClientRect(control, &rect);
  const LPARAM centre = MAKELPARAM(rect.right / 2, rect.bottom / 2);
  // The click is sent from a thread of its own: when it opens a modal box,
  // the program answers it only once the box has gone.
  clickDone_ = std::make_shared<std::atomic<bool>>(false);
  pendingClick_ = std::thread([control, centre, done = clickDone_] {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(control, WM_LBUTTONUP, 0, centre);
    *done = true;
  });
  const bool settled = waitUntil(
      [&] {
        return *clickDone_ || findTopLevel([](HWND h) { return visibleOfClass(h, kDialogClass); });
      },
      60);
  if (!settled) fail(L"The program did not handle a click.");
  if (*clickDone_) finishClick();
}

void DrivenProgram::finishClick() {
  if (pendingClick_.joinable()) pendingClick_.join();
}

void DrivenProgram::type(HWND edit, const std::wstring& text) {
  send(edit, EM_SETSEL, 0, -1);
  send(edit, WM_CHAR, VK_BACK, 1);
  for (wchar_t c : text) send(edit, WM_CHAR, c, 1);
}

void DrivenProgram::slide(HWND bar, int stepsFromStart) {
  for (int i = -1; i < stepsFromStart; ++i) {
    const WPARAM key = i < 0 ? VK_HOME : VK_RIGHT;
    send(bar, WM_KEYDOWN, key, 1);
    send(bar, WM_KEYUP, key, 0xC0000001);
  }
}

void DrivenProgram::chooseTab(HWND tabs, int index) {
  // Left as often as there are pages leads to the first, then Right on.
  for (int i = -8; i < index; ++i) {
    const WPARAM key = i < 0 ? VK_LEFT : VK_RIGHT;
    send(tabs, WM_KEYDOWN, key, 1);
    send(tabs, WM_KEYUP, key, 0xC0000001);
  }
}

void DrivenProgram::chooseLastOfSystemMenu() {
  // Alt+Space opens the menu; Up goes round to its last entry, and Enter
  // chooses it. The menu is another process's, so it is walked with keys
  // rather than read. Posted: the entry may open a modal window, and the
  // program answers nothing until it closes.
  PostMessageW(window(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  if (!awaitTopLevel([](HWND h) { return className(h) == kMenuClass; }, 10)) {
    fail(L"The system menu did not open.");
  }
  for (WPARAM key : {VK_UP, VK_RETURN}) {
    PostMessageW(window(), WM_KEYDOWN, key, 1);
    PostMessageW(window(), WM_KEYUP, key, 0xC0000001);
  }
}

bool DrivenProgram::checked(HWND button) const { return send(button, BM_GETCHECK) == BST_CHECKED; }

int DrivenProgram::barPosition(HWND progressBar) const {
  return static_cast<int>(send(progressBar, PBM_GETPOS));
}

std::wstring DrivenProgram::statusText(HWND statusBar, int panel) const {
  // The status bar writes its text through a pointer into the program's own
  // memory, so the buffer lives there.
  const std::size_t length = LOWORD(send(statusBar, SB_GETTEXTLENGTHW, panel));
  const std::size_t bytes = (length + 1) * sizeof(wchar_t);
  void* remote = VirtualAllocEx(process_.get(), nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  if (!remote) fail(L"Cannot reach the program's memory.");
  send(statusBar, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(remote));
  std::wstring text(length + 1, L'\0');
  SIZE_T read = 0;
  ReadProcessMemory(process_.get(), remote, text.data(), bytes, &read);
  VirtualFreeEx(process_.get(), remote, 0, MEM_RELEASE);
  text.resize(wcsnlen(text.c_str(), length));
  return text.erase(0, text.find_first_not_of(L'\t'));
}

std::optional<Box> DrivenProgram::waitForBox(double seconds) {
  HWND found = awaitTopLevel([](HWND h) { return visibleOfClass(h, kDialogClass); }, seconds);
  if (!found) return std::nullopt;
  Box box{found, windowText(found), L""};
  if (HWND message = GetDlgItem(found, kMessageTextId)) box.text = windowText(message);
  return box;
}

void DrivenProgram::press(const Box& box, int button) {
  HWND hwnd = GetDlgItem(box.hwnd, button);
  if (!hwnd) fail(L"The box \"" + box.title + L"\" has no such button.");
  PostMessageW(hwnd, BM_CLICK, 0, 0);
  if (!waitUntil([&] { return !IsWindowVisible(box.hwnd); }, 30)) {
    fail(L"The box \"" + box.title + L"\" did not close.");
  }
  finishClick();
}

void DrivenProgram::pickFile(const Box& dialog, const std::wstring& path) {
  HWND name = GetDlgItem(dialog.hwnd, kFileNameComboId);
  if (!name) name = GetDlgItem(dialog.hwnd, kFileNameEditId);
  if (!name) fail(L"The dialog \"" + dialog.title + L"\" has no file name box.");
  send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  press(dialog, IDOK);
}

DWORD DrivenProgram::close() {
  finishClick();
  PostMessageW(window(), WM_CLOSE, 0, 0);
  WaitForSingleObject(process_.get(), 30000);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

void DrivenProgram::kill() {
  TerminateProcess(process_.get(), 1);
  WaitForSingleObject(process_.get(), 30000);
}

DWORD DrivenProgram::exitCode(double seconds) {
  WaitForSingleObject(process_.get(), static_cast<DWORD>(seconds * 1000));
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

bool DrivenProgram::running() const {
  return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

void install(const std::wstring& folder) {
  namespace fs = std::filesystem;
  // The build's dozorik.exe, named by the test run as a path of the machine
  // Wine runs on.
  const char* unixPath = std::getenv("DOZORIK_EXE");
  if (!unixPath || !*unixPath) fail(L"DOZORIK_EXE does not name the program to test.");
  const fs::path exe = L"Z:" + dozorik::win32::widen(unixPath);
  std::error_code busy;  // a program just ended may hold a file a moment longer
  for (int i = 0; i < 50 && fs::exists(folder); ++i, Sleep(100)) fs::remove_all(folder, busy);
  fs::create_directories(folder);
  fs::copy_file(exe, fs::path(folder) / L"dozorik.exe");
  for (const wchar_t* page : {L"navodhtm.htm", L"navodhtm-en.htm"}) {
    fs::copy_file(exe.parent_path() / page, fs::path(folder) / page);
  }
}

}  // namespace e2e
