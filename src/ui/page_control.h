#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace dozorik::ui {

class PageControl;

// One page of a page control: the caption on its tab, and the controls it
// holds, which show only while it is the chosen page. It lies in its page
// control's display area, below the tabs.
class Page : public Control {
 public:
  Page(PageControl* parent, std::string name, std::string caption);
};

// Tabs over pages, one page shown at a time.
class PageControl : public Control {
 public:
  // The tabs' height and the frame around the display area.
  static constexpr int kTabsHeight = 24, kFrame = 4;

  PageControl(Control* parent, std::string name, Rect rect)
      : Control(Kind::PageControl, parent, std::move(name), rect) {}

  std::vector<Page*> pages() const;
  int activePage() const { return active_; }
  // Shows that page and hides the others; runs onChange when the choice
  // really changes.
  void setActivePage(int index);
  // The user's click on a tab: taken only when the control takes input.
  void choose(int index) {
    if (takesInput()) setActivePage(index);
  }
  // Where the pages lie, relative to the control.
  Rect displayArea() const {
    return {kFrame, kTabsHeight + kFrame, rect().width - 2 * kFrame,
            rect().height - kTabsHeight - 2 * kFrame};
  }

  std::function<void()> onChange;

 private:
  int active_ = 0;
};

}  // namespace dozorik::ui
