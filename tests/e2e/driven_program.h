#pragma once

// Dozorik as a user meets it: the real program, installed in a folder of its
// own and driven only from outside, through its windows, with the messages a
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
#include "support/outside.h"

namespace e2e {

using namespace dozorik::support;

// A control's top-left corner in its window's client area: how the tests
// find controls that carry no text of their own.
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
  // command-line `arguments`, in the working directory `current` (the
  // folder itself unless given: Windows starts run-once commands in its own).
  explicit DrivenProgram(const std::wstring& folder, const std::wstring& arguments = L"",
                         const std::wstring& current = L"");
  // Kills the process if it still runs.
  ~DrivenProgram();
  DrivenProgram(const DrivenProgram&) = delete;
  DrivenProgram& operator=(const DrivenProgram&) = delete;

  // The main window once it shows; fails the test if it never does.
  HWND window();
  // The hidden window whose title the taskbar shows.
  HWND taskbarWindow();
  // A further window of the program, owned by the main one, with this
  // caption, once it shows; null if none shows within `seconds`.
  HWND furtherWindow(const std::wstring& caption, double seconds = 15);
  // The control of `className` whose top-left corner is `at` in `in` (the
  // main window unless given), shown or not.
  HWND control(const wchar_t* className, Spot at, HWND in = nullptr);
  // The visible control showing `text` (radio buttons, labels, buttons).
  HWND controlWithText(const std::wstring& text, HWND in = nullptr);

  // A click in the middle of a control. Returns when the program has handled
  // it, or when the click has opened a modal box or dialog (which the test
  // then answers; the click finishes when it closes).
  void click(HWND control);
  // Selects all of an edit's text and types `text` over it, key by key.
  void type(HWND edit, const std::wstring& text);
  // Moves a track bar's thumb with the keyboard: Home, then Right.
  void slide(HWND bar, int stepsFromStart);
  // Chooses a page of a page control with the keyboard, from its first.
  void chooseTab(HWND tabs, int index);
  // Opens the main window's system menu with the keyboard and chooses its
  // last entry.
  void chooseLastOfSystemMenu();

  std::wstring text(HWND hwnd) const { return windowText(hwnd); }
  bool checked(HWND button) const;
  int barPosition(HWND progressBar) const;
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
  // Waits for a program that ends by itself (a start that hands over to the
  // one running); its exit code, or STILL_ACTIVE if it still runs.
  DWORD exitCode(double seconds);
  bool running() const;

 private:
  void finishClick();
  HWND findTopLevel(const std::function<bool(HWND)>& wanted) const;
  HWND awaitTopLevel(const std::function<bool(HWND)>& wanted, double seconds) const;

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

}  // namespace e2e
