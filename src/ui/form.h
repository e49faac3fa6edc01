#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/timer.h"

namespace dozorik::ui {

class PushButton;

// A top-level window: a fixed-size client area with a system menu. The main
// window is centred on the desktop and has a minimise box; a further window
// is centred over the main one, which owns it. Its caption is its text.
class Form : public Control {
 public:
  // An entry the form adds to its system menu.
  struct MenuItem {
    std::string text;
    std::function<void()> onClick;
  };

  Form(std::string name, int clientWidth, int clientHeight)
      : Control(Kind::Form, nullptr, std::move(name), {0, 0, clientWidth, clientHeight}) {}

  int clientWidth() const { return rect().width; }
  int clientHeight() const { return rect().height; }

  // The window's timers, for the realisation to drive.
  const std::vector<Timer*>& timers() const { return timers_; }
  const std::vector<MenuItem>& systemMenu() const { return systemMenu_; }
  // The button that Enter presses and that has the focus when the window
  // opens; none by default.
  PushButton* defaultButton() const { return defaultButton_; }

  // Runs once the native window exists and before it is first shown.
  virtual void created() {}
  // Asked before the window closes, by its close box or Escape; false keeps
  // it open.
  virtual bool closeQuery() { return true; }
  // Windows asks whether the session may end (a log-off, shut-down or
  // restart); another program may still cancel it. As a close, unless the
  // form knows better.
  virtual bool sessionEndQuery() { return closeQuery(); }
  // The session ends now (the window goes with it), or, after the form said
  // yes, goes on after all.
  virtual void sessionEnd(bool /*ending*/) {}

  // A further window that stays above every other program's windows and in
  // sight while the main window is minimised: one that warns of something
  // about to happen.
  bool staysInSight() const { return staysInSight_; }

 protected:
  void addTimer(Timer& timer) { timers_.push_back(&timer); }
  void addSystemMenuItem(std::string text, std::function<void()> onClick) {
    systemMenu_.push_back({std::move(text), std::move(onClick)});
  }
  void setDefaultButton(PushButton& button) { defaultButton_ = &button; }
  void setStaysInSight(bool stays) { staysInSight_ = stays; }

 private:
  std::vector<Timer*> timers_;
  std::vector<MenuItem> systemMenu_;
  PushButton* defaultButton_ = nullptr;
  bool staysInSight_ = false;
};

}  // namespace dozorik::ui
