#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace dozorik::ui {

// A bar of text panels along the window's bottom edge. Every panel centres
// its text; the last one stretches to the right edge.
class StatusBar : public Control {
 public:
  StatusBar(Control* parent, std::string name, Rect rect, std::vector<int> widths)
      : Control(Kind::StatusBar, parent, std::move(name), rect),
        widths_(std::move(widths)),
        texts_(widths_.size()) {}

  int panelCount() const { return static_cast<int>(widths_.size()); }
  int panelWidth(int index) const { return widths_.at(index); }
  const std::string& panelText(int index) const { return texts_.at(index); }
  void setPanelText(int index, const std::string& text) {
    if (texts_.at(index) == text) return;
    texts_[index] = text;
    notify(Property::Panels);
  }

 private:
  std::vector<int> widths_;
  std::vector<std::string> texts_;
};

}  // namespace dozorik::ui
