// The plain raised panel: a window class of the program's own, the button
// face inside a one-pixel bevel. Three pixels wide it draws a bevelled rule.

#include "platform/win32/control_binding_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_class_win32.h"
#include "ui/panel.h"

namespace dozorik::win32 {

namespace {

LRESULT CALLBACK panelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDc paint(hwnd);
      RECT rect;
      GetClientRect(hwnd, &rect);
      FillRect(paint.get(), &rect, GetSysColorBrush(COLOR_BTNFACE));
      DrawEdge(paint.get(), &rect, BDR_RAISEDINNER, BF_RECT);
      return 0;
    }
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class PanelBinding final : public BindingOf<ui::Panel> {
 public:
  PanelBinding(ui::Panel& panel, ui::Application& app) : BindingOf(panel, app) {
    registerWindowClass(kPanelClass, &panelProc, nullptr);
  }
  bool liesBeneath() const override { return true; }

 private:
  Native native() const override { return {kPanelClass, 0, 0, false}; }
};

}  // namespace

std::unique_ptr<ControlBinding> bindPanel(ui::Control& control, ui::Application& app) {
  return std::make_unique<PanelBinding>(static_cast<ui::Panel&>(control), app);
}

}  // namespace dozorik::win32
