#pragma once

#include <algorithm>
#include <string>

#include "ui/control.h"
#include "ui/integer_text.h"

namespace dozorik::ui {

// An integer box with up and down arrows. Its text is what the user typed,
// half-typed numbers included; its value is read from that text whenever it
// is asked for: a number clamped into the range, or the fallback (the
// minimum unless given) for a text that is no number at all.
class SpinEdit : public Control {
 public:
  SpinEdit(Control* parent, std::string name, Rect rect, int minValue, int maxValue, int value)
      : SpinEdit(parent, std::move(name), rect, minValue, maxValue, value, minValue) {}
  SpinEdit(Control* parent, std::string name, Rect rect, int minValue, int maxValue, int value,
           int fallback)
      : Control(Kind::SpinEdit, parent, std::move(name), rect),
        minValue_(minValue),
        maxValue_(maxValue),
        fallback_(fallback) {
    setValue(value);
  }

  int minValue() const { return minValue_; }
  int maxValue() const { return maxValue_; }
  int value() const {
    const auto number = integerFromText(text());
    return number ? std::clamp(*number, minValue_, maxValue_) : fallback_;
  }
  // Shows the value, clamped into the range.
  void setValue(int value) { setText(std::to_string(std::clamp(value, minValue_, maxValue_))); }
  // What the user typed: taken only when the box takes input.
  void type(const std::string& text) {
    if (takesInput()) setText(text);
  }
  // The user left the box: it shows the value its text reads as.
  void leave() {
    if (takesInput()) setValue(value());
  }

 private:
  int minValue_;
  int maxValue_;
  int fallback_;
};

}  // namespace dozorik::ui
