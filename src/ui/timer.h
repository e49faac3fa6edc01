#pragma once

#include <functional>
#include <string>

namespace dozorik::ui {

class Timer;

class TimerView {
 public:
  virtual ~TimerView() = default;
  // The timer was enabled, disabled or given another interval.
  virtual void timerChanged(Timer& timer) = 0;
};

// A window timer. Changing the interval of a running timer restarts its
// count; setting the same interval again does not.
class Timer {
 public:
  Timer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (view_) view_->timerChanged(*this);
  }
  int interval() const { return interval_; }
  void setInterval(int intervalMs) {
    if (intervalMs == interval_) return;
    interval_ = intervalMs;
    if (view_) view_->timerChanged(*this);
  }

  // The period has passed: runs onTimer while enabled.
  void fire() {
    if (enabled_ && onTimer) onTimer();
  }

  std::function<void()> onTimer;
  void setView(TimerView* view) { view_ = view; }

 private:
  std::string name_;
  int interval_;
  bool enabled_ = false;
  TimerView* view_ = nullptr;
};

}  // namespace dozorik::ui
