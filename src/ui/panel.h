#pragma once

#include "ui/control.h"

namespace dozorik::ui {

// A plain raised panel: a bevelled area, or with one side of 3 pixels, a
// bevelled rule.
class Panel : public Control {
 public:
  Panel(Control* parent, std::string name, Rect rect)
      : Control(Kind::Panel, parent, std::move(name), rect) {}
};

}  // namespace dozorik::ui
