#pragma once

#include <functional>

#include "ui/control.h"

namespace dozorik::ui {

enum class Alignment { Left, Centre };

class Label : public Control {
 public:
  Label(Control* parent, std::string name, Rect rect, std::string caption,
        Alignment alignment = Alignment::Left)
      : Control(Kind::Label, parent, std::move(name), rect), alignment_(alignment) {
    setText(caption);
  }

  Alignment alignment() const { return alignment_; }

  void click() {
    if (takesInput() && onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  Alignment alignment_;
};

}  // namespace dozorik::ui
