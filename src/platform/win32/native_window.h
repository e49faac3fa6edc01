#pragma once

// The Win32 realisation of a ui::Form: one top-level window with a native
// control for every control of the model. The model keeps the state; this
// class mirrors it in the native controls and turns the user's input into
// calls on the model. Kept free of <windows.h>: handles are passed as void*.

#include <memory>
#include <string>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace dozorik::win32 {

class NativeWindow : public ui::ControlView, public ui::TimerView, public ui::ApplicationView {
 public:
  // Creates the window and its controls (not yet shown), becomes the view of
  // every control, timer and of the application, and starts the timers
  // already enabled. The caller runs form.created() afterwards, once the
  // message boxes know their owner. Form and application must outlive this
  // object.
  NativeWindow(ui::Form& form, ui::Application& application);
  ~NativeWindow() override;
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  // Shows the window, centred on the desktop's work area.
  void show();
  // Runs the message loop until the window is closed; returns the exit code.
  int runMessageLoop();
  // Asks the window to close, as its close box does (the form's close query
  // decides).
  void close();
  // False once the native window is destroyed; the model lives on.
  bool isOpen() const;

  // The main window's HWND (null once destroyed).
  void* handle() const;
  // The hidden application window that owns the main window and carries the
  // application's title on the taskbar.
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
