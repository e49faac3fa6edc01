#pragma once

// Dozorik as a user meets it: the real program, installed in a folder of its
// own and driven only from outside, through its window, with the messages a
// person's mouse and keyboard produce. What the tests check is what anyone
// can see or find: window texts, check marks, bars, the status bar, message
// boxes, the registry and files.

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/win32/handles.h"

namespace e2e {

// A control's top-left corner in the client area of the program's window:
// how the tests find controls that carry no text of their own.
struct Spot {
  int x;
  int y;
};

// A message box or a common dialog of the program.
struct Box {
  HWND hwnd = nullptr;
  std::wstring title;
  std::wstring text;  // a message box's message; empty for other dialogs
};

// Polls until `done` holds or `seconds` pass; returns the last answer.
bool waitUntil(const std::function<bool()>& done, double seconds);

class DrivenProgram {
 public:
  // Starts the program in `folder`, where it was installed, with its
  // command-line `arguments`; the folder is its working directory too.
  DrivenProgram(const std::wstring& folder, const std::wstring& arguments = L"");
  // Kills the process if it still runs.
  ~DrivenProgram();
  DrivenProgram(const DrivenProgram&) = delete;
  DrivenProgram& operator=(const DrivenProgram&) = delete;

  // The main window once it shows; fails the test if it never does.
  HWND window();
  // The hidden window whose title the taskbar shows.
  HWND taskbarWindow();
  // A further window of the program (owned by the main one) with this
  // caption, once it shows; null if none shows within `seconds`.
  HWND furtherWindow(const std::wstring& caption, double seconds = 15);
  // The control of `className` whose top-left corner is `at` in the client
  // area of `in` (the main window unless given), shown or not.
  HWND control(const wchar_t* className, Spot at, HWND in = nullptr);
  // The visible control showing `text` (radio buttons, labels, buttons).
  HWND controlWithText(const std::wstring& text, HWND in = nullptr);
  // Opens the main window's system menu with the keyboard and chooses its
  // last entry.
  void chooseLastOfSystemMenu();

  // A click in the middle of a control. Returns when the program has handled
  // it, or when the click has opened a modal box or dialog (which the test
  // then answers; the click finishes when it closes).
  void click(HWND control);
  // Selects all of an edit's text and types `text` over it, key by key.
  void type(HWND edit, const std::wstring& text);
  // Moves a track bar's thumb with the keyboard: Home, then Right.
  void slide(HWND bar, int stepsFromStart);

  std::wstring text(HWND hwnd) const;
  bool checked(HWND button) const;
  int barPosition(HWND progressBar) const;
  int trackPosition(HWND trackBar) const;
  // The text of a status bar's panel, as the program set it (the alignment
  // tab removed).
  std::wstring statusText(HWND statusBar, int panel) const;

  // The program's message box or dialog, once one shows; nothing if none
  // shows within `seconds`.
  std::optional<Box> waitForBox(double seconds = 15);
  // Presses a box's button (IDOK, IDYES, ...) and waits until it has gone.
  void press(const Box& box, int button);
  // Answers an open-file dialog with `path` and waits until it has gone.
  void pickFile(const Box& dialog, const std::wstring& path);

  // Closes the window as its close box does and waits for the process to
  // end; returns its exit code (or STILL_ACTIVE if it did not end).
  DWORD close();
  // Ends the process at once, as Task Manager does.
  void kill();
  bool running() const;

 private:
  void finishClick();
  HWND findTopLevel(const std::function<bool(HWND)>& wanted) const;

  PROCESS_INFORMATION info_{};
  dozorik::win32::UniqueHandle process_;
  dozorik::win32::UniqueHandle thread_;
  HWND window_ = nullptr;
  std::thread pendingClick_;
  std::shared_ptr<std::atomic<bool>> clickDone_;
};

// The program installed afresh: dozorik.exe and its help page copied from
// the build into `folder`, which is emptied first.
void install(const std::wstring& folder);

// The program's settings and the user's run-once list, under
// HKEY_CURRENT_USER.
inline constexpr wchar_t kProgramKey[] = L"SOFTWARE\\RuvoSOFTWARE\\Dozorik";
inline constexpr wchar_t kRunOnceKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// Registry values under HKEY_CURRENT_USER, read and wiped past the program.
std::optional<std::wstring> registryValue(const wchar_t* key, const wchar_t* name);
void forgetEverySetting();

// A file's bytes; empty when it cannot be read.
std::string fileBytes(const std::wstring& path);
void writeFile(const std::wstring& path, const std::string& bytes);

}  // namespace e2e
