#pragma once

#include <algorithm>

#include "ui/control.h"

namespace dozorik::ui {

// A bar that shows a position within its range; values outside it are
// clamped. A gauge is the same bar with the quiet-tick count.
class ProgressBar : public Control {
 public:
  ProgressBar(Control* parent, std::string name, Rect rect, int minValue, int maxValue,
              Kind kind = Kind::ProgressBar)
      : Control(kind, parent, std::move(name), rect), minValue_(minValue), maxValue_(maxValue),
        position_(minValue) {}

  int minValue() const { return minValue_; }
  int maxValue() const { return maxValue_; }
  int position() const { return position_; }
  // A new range; the position is clamped into it.
  void setRange(int minValue, int maxValue) {
    if (minValue == minValue_ && maxValue == maxValue_) return;
    minValue_ = minValue;
    maxValue_ = maxValue;
    position_ = std::clamp(position_, minValue_, maxValue_);
    notify(Property::Range);
  }
  void setPosition(int position) {
    position = std::clamp(position, minValue_, maxValue_);
    if (position == position_) return;
    position_ = position;
    notify(Property::Position);
  }

 private:
  int minValue_;
  int maxValue_;
  int position_;
};

class Gauge : public ProgressBar {
 public:
  Gauge(Control* parent, std::string name, Rect rect, int maxValue)
      : ProgressBar(parent, std::move(name), rect, 0, maxValue, Kind::Gauge) {}
  int progress() const { return position(); }
  void setProgress(int progress) { setPosition(progress); }
};

}  // namespace dozorik::ui
