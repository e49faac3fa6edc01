#pragma once

#include <functional>

#include "ui/control.h"

namespace dozorik::ui {

class PushButton : public Control {
 public:
  PushButton(Control* parent, std::string name, Rect rect, std::string caption)
      : Control(Kind::PushButton, parent, std::move(name), rect) {
    setText(caption);
  }

  void click() {
    if (takesInput() && onClick) onClick();
  }
  std::function<void()> onClick;
};

}  // namespace dozorik::ui
