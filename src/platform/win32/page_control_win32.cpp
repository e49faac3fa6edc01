// The page control: the system's tab control, a tab per page. The pages have
// no window of their own; their controls lie above the tab control and show
// while their page is chosen.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/win32/control_binding_win32.h"
#include "platform/win32/wide.h"
#include "ui/page_control.h"

namespace dozorik::win32 {

namespace {

class PageControlBinding final : public BindingOf<ui::PageControl> {
 public:
  using BindingOf::BindingOf;
  bool liesBeneath() const override { return true; }
  void apply(ui::Property property) override {
    if (property == ui::Property::Position) showChoice();
  }
  LRESULT notified(const NMHDR& header) override {
    if (header.code == static_cast<UINT>(TCN_SELCHANGE)) {
      const int chosen = static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0));
      dispatch([&] { model().choose(chosen); });
      // A control that did not take the choice shows the model's again.
      if (hwnd() && model().activePage() != chosen) showChoice();
    }
    return 0;
  }

 private:
  Native native() const override {
    return {WC_TABCONTROLW, WS_TABSTOP | TCS_TABS | TCS_SINGLELINE, 0, false};
  }
  void created(HWND) override {
    int index = 0;
    for (const ui::Page* page : model().pages()) {
      std::wstring caption = widen(page->text());
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption.data();
      SendMessageW(hwnd(), TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
    }
    showChoice();
  }
  void showChoice() { SendMessageW(hwnd(), TCM_SETCURSEL, model().activePage(), 0); }
};

}  // namespace

std::unique_ptr<ControlBinding> bindPageControl(ui::Control& control, ui::Application& app) {
  return std::make_unique<PageControlBinding>(static_cast<ui::PageControl&>(control), app);
}

}  // namespace dozorik::win32
