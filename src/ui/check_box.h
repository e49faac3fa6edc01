#pragma once

#include <functional>

#include "ui/control.h"

namespace dozorik::ui {

class CheckBox : public Control {
 public:
  CheckBox(Control* parent, std::string name, Rect rect)
      : Control(Kind::CheckBox, parent, std::move(name), rect) {}

  bool checked() const { return checked_; }
  // Runs onClick when the flag really changes, whoever changes it.
  void setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    notify(Property::Checked);
    if (onClick) onClick();
  }
  // A user's click: toggles the box when it takes input.
  void click() {
    if (takesInput()) setChecked(!checked_);
  }

  std::function<void()> onClick;

 private:
  bool checked_ = false;
};

}  // namespace dozorik::ui
