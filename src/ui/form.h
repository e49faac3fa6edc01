#pragma once

#include <vector>

#include "ui/control.h"
#include "ui/timer.h"

namespace dozorik::ui {

// The top-level window: a fixed-size client area, centred on the desktop,
// with a system menu and a minimise box only. Its caption is its text.
class Form : public Control {
 public:
  Form(std::string name, int clientWidth, int clientHeight)
      : Control(Kind::Form, nullptr, std::move(name), {0, 0, clientWidth, clientHeight}) {}

  int clientWidth() const { return rect().width; }
  int clientHeight() const { return rect().height; }

  // The window's timers, for the realisation to drive.
  const std::vector<Timer*>& timers() const { return timers_; }

  // Runs once the native window exists and before it is first shown.
  virtual void created() {}
  // Asked before the window closes; false keeps it open.
  virtual bool closeQuery() { return true; }

 protected:
  void addTimer(Timer& timer) { timers_.push_back(&timer); }

 private:
  std::vector<Timer*> timers_;
};

}  // namespace dozorik::ui
