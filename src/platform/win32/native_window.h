#pragma once

// The Win32 realisation of a ui::Form: one top-level window with a native
// control for every control of the model. The model keeps the state; this
// class mirrors it in the native controls and turns the user's input into
// calls on the model. Kept free of <windows.h>: handles are passed as void*.

#include <functional>
#include <memory>
#include <string>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace dozorik::win32 {

class NativeWindow : public ui::ControlView, public ui::TimerView, public ui::ApplicationView {
 public:
  // The main window: creates it and its controls (not yet shown), becomes the
  // view of every control, timer and of the application, and starts the
  // timers already enabled. The caller runs form.created() afterwards, once
  // the message boxes know their owner. Form and application must outlive
  // this object.
  NativeWindow(ui::Form& form, ui::Application& application);
  // A further window for a form of its own, owned by the main window: a
  // caption with a close box, no taskbar button, the main window's font and
  // colours. Its close box and Escape ask the form's close query; closing
  // the main window closes it too. Not yet shown.
  NativeWindow(ui::Form& form, ui::Application& application, const NativeWindow& mainWindow);
  ~NativeWindow() override;
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  // Shows the window: the main window centred on the desktop's work area, a
  // further one centred over the main window. The default button, or else
  // the first control, has the focus.
  void show();
  // Brings a shown window to the front.
  void activate();
  // The main window, asked for from outside the program (a later start):
  // restored when minimised, and brought in front of other programs' windows
  // where Windows lets it, else its taskbar button flashes.
  void bringToFront();
  // Runs the message loop until the window is closed; returns the exit code.
  int runMessageLoop();
  // Asks the window to close, as its close box does (the form's close query
  // decides).
  void close();
  // Destroys the window without asking the form.
  void destroy();
  // False once the native window is destroyed; the model lives on, and its
  // changes no longer reach this object.
  bool isOpen() const;
  // True while one of the window's procedures runs: the object must not be
  // deleted then.
  bool busy() const;

  // Keeps the user's input away from the window while a modal window is open
  // over it. Calls nest: the window takes input again once every block is
  // lifted (and the form is enabled).
  void blockInput(bool block);
  // Runs once, just before the window is destroyed by any means other than
  // deleting this object: whatever was blocked for a modal window is given
  // back here, so that the system activates it rather than another program.
  std::function<void()> onDestroying;

  ui::Form& form() const;
  // The window's HWND (null once destroyed).
  void* handle() const;
  // The hidden application window that owns the main window and carries the
  // application's title on the taskbar; null for a further window.
  void* ownerHandle() const;
  // The HWND realising a control, or null (controls without a native
  // control, or after the window is destroyed).
  void* nativeControl(const ui::Control& control) const;
  // The up-down arrows of a spin edit, or null.
  void* spinArrows(const ui::Control& control) const;

  void changed(ui::Control& control, ui::Property property) override;
  void timerChanged(ui::Timer& timer) override;
  void titleChanged(const std::string& title) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace dozorik::win32
