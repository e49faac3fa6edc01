#include "ui/radio_button.h"

namespace dozorik::ui {

void RadioButton::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked && parent()) {
    for (Control* sibling : parent()->children()) {
      if (sibling != this && sibling->kind() == Kind::RadioButton) {
        static_cast<RadioButton*>(sibling)->setChecked(false);
      }
    }
  }
  notify(Property::Checked);
  if (checked && onClick) onClick();
}

}  // namespace dozorik::ui
