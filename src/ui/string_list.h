#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace dozorik::ui {

// A list of text items (a combo box's item list).
class StringList : public Control {
 public:
  StringList(Control* parent, std::string name, Rect rect)
      : Control(Kind::StringList, parent, std::move(name), rect) {}

  const std::vector<std::string>& items() const { return items_; }
  void add(const std::string& item) {
    items_.push_back(item);
    notify(Property::Items);
  }

 private:
  std::vector<std::string> items_;
};

}  // namespace dozorik::ui
