#pragma once

// What the two halves of the native window share: native_window_build.cpp
// makes the window, its controls and its ties to the model;
// native_window.cpp holds its behaviour.

#include <windows.h>

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/win32/control_binding_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/native_window.h"

namespace dozorik::win32 {

struct NativeWindow::Impl {
  // Control IDs start above IDOK and IDCANCEL, which IsDialogMessage sends
  // for Enter and Escape.
  static constexpr int kFirstControlId = 100;
  // The form's own system menu items. The system's commands lie at 0xF000
  // and above, and it uses the low four bits of every command itself.
  static constexpr UINT kFirstMenuCommand = 0x0100;
  static constexpr UINT kMenuCommandStep = 0x10;

  // A native child of the form window and what the window keeps about it.
  struct Item {
    std::unique_ptr<ControlBinding> binding;
    bool hasTip = false;
  };

  Impl(NativeWindow& view, ui::Form& form, ui::Application& app, HWND mainWindow);
  ~Impl();
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  // The window procedure of every window: finds the Impl that created the
  // window and hands the message to its handler for that window.
  template <LRESULT (Impl::*Handler)(HWND, UINT, WPARAM, LPARAM)>
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT formMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT ownerMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  // Parents before children, in declaration order: the order in which the
  // classic toolkit stacks them, each later control above the earlier ones.
  static void collect(ui::Control& control, std::vector<ui::Control*>& out);

  void build(HWND mainWindow);
  void createOwner();
  void createWindow(HWND mainWindow);
  void createControls();
  void addSystemMenu();
  void attach();
  void detach();
  void closeWindows();
  void loadIcons();
  void setIcons(HWND hwnd);
  void centre();
  HFONT fontFor(const ui::Control& control);

  // Model to native.
  void applyState(ui::Control& control);
  void applyTip(Item& item);
  void applyTimer(std::size_t index);
  void applyEnabled();

  // Native to model, and the window's own behaviour.
  void focusFirst();
  HWND enterButton();
  void requestClose();
  bool askClose();
  void destroyWindow();
  void runDestroying();
  void restoreMain();
  void activateFront();

  Item* itemOf(HWND hwnd);
  Item* itemOf(const ui::Control& control);
  bool alive() const { return window && !tearingDown; }

  NativeWindow& view;
  ui::Form& form;
  ui::Application& app;
  const bool isMain;  // else a further window, owned by the main one

  // GDI objects first: they must outlive the windows that use them.
  std::map<std::tuple<std::string, int, bool>, UniqueFont> fonts;
  UniqueIcon bigIcon;
  UniqueIcon smallIcon;
  std::vector<Item> items;  // in the order of their control IDs
  std::unordered_map<const ui::Control*, std::size_t> byControl;

  UniqueWindow owner;  // the main window's only
  UniqueWindow window;
  UniqueWindow tips;
  HWND lastFocus = nullptr;  // the control to focus again on reactivation

  int running = 0;                // window procedures of this object under way
  int blocks = 0;                 // modal windows open over this one
  bool attached = false;          // the view of the form, its controls and timers
  bool tearingDown = false;       // closing for good: no more model calls
  bool closeAnswered = false;     // the close query said yes to a session end
  bool hiddenByMinimize = false;  // hidden with the minimised application window
};

}  // namespace dozorik::win32
