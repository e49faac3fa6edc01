#pragma once

#include <functional>

#include "ui/control.h"

namespace dozorik::ui {

// Radio buttons with the same parent form one group: checking one unchecks
// the others.
class RadioButton : public Control {
 public:
  RadioButton(Control* parent, std::string name, Rect rect)
      : Control(Kind::RadioButton, parent, std::move(name), rect) {}

  bool checked() const { return checked_; }
  // Runs onClick only when the button becomes checked.
  void setChecked(bool checked);
  // A user's click: checks the button when it takes input.
  void click() {
    if (takesInput()) setChecked(true);
  }

  std::function<void()> onClick;

 private:
  bool checked_ = false;
};

}  // namespace dozorik::ui
