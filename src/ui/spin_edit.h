#pragma once

#include <algorithm>
#include <string>

#include "ui/control.h"

namespace dozorik::ui {

// An integer box with up and down arrows; its value stays within its range.
class SpinEdit : public Control {
 public:
  SpinEdit(Control* parent, std::string name, Rect rect, int minValue, int maxValue, int value)
      : Control(Kind::SpinEdit, parent, std::move(name), rect),
        minValue_(minValue),
        maxValue_(maxValue) {
    setValue(value);
  }

  int minValue() const { return minValue_; }
  int maxValue() const { return maxValue_; }
  int value() const { return value_; }
  void setValue(int value) {
    value = std::clamp(value, minValue_, maxValue_);
    if (value == value_ && !text().empty()) return;
    value_ = value;
    setText(std::to_string(value_));
  }
  void type(int value) {
    if (takesInput()) setValue(value);
  }

 private:
  int minValue_;
  int maxValue_;
  int value_ = 0;
};

}  // namespace dozorik::ui
