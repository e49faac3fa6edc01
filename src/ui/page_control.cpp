#include "ui/page_control.h"

namespace dozorik::ui {

Page::Page(PageControl* parent, std::string name, std::string caption)
    : Control(Kind::Page, parent, std::move(name), parent->displayArea()) {
  setText(caption);
  // Only the first page shows until another is chosen.
  setVisible(parent->pages().size() == 1);
}

std::vector<Page*> PageControl::pages() const {
  std::vector<Page*> out;
  for (Control* child : children()) {
    if (child->kind() == Kind::Page) out.push_back(static_cast<Page*>(child));
  }
  return out;
}

void PageControl::setActivePage(int index) {
  const std::vector<Page*> all = pages();
  if (index < 0 || index >= static_cast<int>(all.size()) || index == active_) return;
  active_ = index;
  // The new page shows before the old one hides, so the focus can move.
  all[static_cast<std::size_t>(index)]->setVisible(true);
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (static_cast<int>(i) != index) all[i]->setVisible(false);
  }
  notify(Property::Position);
  if (onChange) onChange();
}

}  // namespace dozorik::ui
