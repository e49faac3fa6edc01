#pragma once

#include <algorithm>
#include <functional>

#include "ui/control.h"

namespace dozorik::ui {

class TrackBar : public Control {
 public:
  TrackBar(Control* parent, std::string name, Rect rect, int minValue, int maxValue)
      : Control(Kind::TrackBar, parent, std::move(name), rect),
        minValue_(minValue),
        maxValue_(maxValue),
        position_(minValue) {}

  int minValue() const { return minValue_; }
  int maxValue() const { return maxValue_; }
  int position() const { return position_; }
  // Clamps into the range; runs onChange when the position really changes.
  void setPosition(int position) {
    position = std::clamp(position, minValue_, maxValue_);
    if (position == position_) return;
    position_ = position;
    notify(Property::Position);
    if (onChange) onChange();
  }
  void slide(int position) {
    if (takesInput()) setPosition(position);
  }

  std::function<void()> onChange;

 private:
  int minValue_;
  int maxValue_;
  int position_;
};

}  // namespace dozorik::ui
