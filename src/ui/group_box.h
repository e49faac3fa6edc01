#pragma once

#include "ui/control.h"

namespace dozorik::ui {

// A captioned frame around related controls; disabling it locks them all.
class GroupBox : public Control {
 public:
  GroupBox(Control* parent, std::string name, Rect rect, std::string caption = {})
      : Control(Kind::GroupBox, parent, std::move(name), rect) {
    setText(caption);
  }
};

}  // namespace dozorik::ui
