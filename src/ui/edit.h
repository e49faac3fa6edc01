#pragma once

#include <functional>

#include "ui/control.h"

namespace dozorik::ui {

class Edit : public Control {
 public:
  Edit(Control* parent, std::string name, Rect rect, int maxLength)
      : Control(Kind::Edit, parent, std::move(name), rect), maxLength_(maxLength) {}

  // How many characters the user may type; code may set longer texts.
  int maxLength() const { return maxLength_; }

  // What the user typed: taken only when the box takes input.
  void type(const std::string& text) {
    if (takesInput()) setText(text);
  }

  // Runs when the text really changes, whoever changes it.
  std::function<void()> onChange;

 protected:
  void textChanged() override {
    if (onChange) onChange();
  }

 private:
  int maxLength_;
};

}  // namespace dozorik::ui
