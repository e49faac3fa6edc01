#include "ui/control.h"

#include <algorithm>

namespace dozorik::ui {

Control::Control(Kind kind, Control* parent, std::string name, Rect rect)
    : kind_(kind), parent_(parent), name_(std::move(name)), rect_(rect) {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

Rect Control::rectOnForm() const {
  Rect r = rect_;
  for (const Control* p = parent_; p && p->kind_ != Kind::Form; p = p->parent_) {
    r.left += p->rect_.left;
    r.top += p->rect_.top;
  }
  return r;
}

void Control::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  notify(Property::Text);
  textChanged();
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify(Property::Visible);
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify(Property::Enabled);
}

bool Control::takesInput() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_ || !c->enabled_) return false;
  }
  return true;
}

void Control::setHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  notify(Property::Hint);
}

Font Control::font() const {
  if (font_) return *font_;
  if (parent_) return parent_->font();
  return Font{};
}

void Control::notify(Property property) {
  if (view_) view_->changed(*this, property);
}

}  // namespace dozorik::ui
