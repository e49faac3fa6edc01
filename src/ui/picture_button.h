#pragma once

#include <functional>

#include "ui/control.h"

namespace dozorik::ui {

enum class Picture { Eye, Glasses, QuestionMark, Stop, Globe };

// A flat button that shows a picture instead of a caption.
class PictureButton : public Control {
 public:
  PictureButton(Control* parent, std::string name, Rect rect, Picture picture)
      : Control(Kind::PictureButton, parent, std::move(name), rect), picture_(picture) {}

  Picture picture() const { return picture_; }

  // A free integer the program may use as it likes.
  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

  void click() {
    if (takesInput() && onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  Picture picture_;
  int tag_ = 0;
};

}  // namespace dozorik::ui
