// The bars: the track bar the user slides, the progress bar and gauge that
// only show, and the status bar of text panels.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/win32/control_binding_win32.h"
#include "platform/win32/wide.h"
#include "ui/progress_bar.h"
#include "ui/status_bar.h"
#include "ui/track_bar.h"

namespace dozorik::win32 {

namespace {

class TrackBarBinding final : public BindingOf<ui::TrackBar> {
 public:
  using BindingOf::BindingOf;
  void apply(ui::Property property) override {
    if (property == ui::Property::Range) showRange();
    if (property == ui::Property::Position) showPosition();
  }
  void scrolled() override {
    const int position = static_cast<int>(SendMessageW(hwnd(), TBM_GETPOS, 0, 0));
    dispatch([&] { model().slide(position); });
    // A bar that did not take the position shows the model's again.
    if (hwnd() && model().position() != position) showPosition();
  }

 private:
  Native native() const override {
    return {TRACKBAR_CLASSW, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP, 0, false};
  }
  void created(HWND) override { showRange(); }
  void showRange() {
    SendMessageW(hwnd(), TBM_SETRANGEMIN, FALSE, model().minValue());
    SendMessageW(hwnd(), TBM_SETRANGEMAX, TRUE, model().maxValue());
    showPosition();
  }
  void showPosition() { SendMessageW(hwnd(), TBM_SETPOS, TRUE, model().position()); }
};

// The gauge is the same bar, filled smoothly.
class ProgressBarBinding final : public BindingOf<ui::ProgressBar> {
 public:
  using BindingOf::BindingOf;
  void apply(ui::Property property) override {
    if (property == ui::Property::Range) showRange();
    if (property == ui::Property::Position) showPosition();
  }

 private:
  Native native() const override {
    return {PROGRESS_CLASSW, model().kind() == ui::Kind::Gauge ? DWORD{PBS_SMOOTH} : 0, 0, false};
  }
  void created(HWND) override { showRange(); }
  void showRange() {
    SendMessageW(hwnd(), PBM_SETRANGE32, model().minValue(), model().maxValue());
    showPosition();
  }
  void showPosition() { SendMessageW(hwnd(), PBM_SETPOS, model().position(), 0); }
};

// Placed where the model says, not docked by the control itself, and without
// a size grip: the window cannot be resized.
class StatusBarBinding final : public BindingOf<ui::StatusBar> {
 public:
  using BindingOf::BindingOf;
  void apply(ui::Property property) override {
    if (property == ui::Property::Panels) showPanels();
  }

 private:
  Native native() const override {
    return {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, false};
  }
  void created(HWND) override { showPanels(); }
  void showPanels() {
    const ui::StatusBar& bar = model();
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < bar.panelCount(); ++i) {
      right += bar.panelWidth(i);
      // The last panel reaches the right edge of the bar.
      edges.push_back(i + 1 < bar.panelCount() ? right : -1);
    }
    SendMessageW(hwnd(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < bar.panelCount(); ++i) {
      // A leading tab centres a status bar text.
      std::wstring text = L"\t" + widen(bar.panelText(i));
      SendMessageW(hwnd(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
};

}  // namespace

std::unique_ptr<ControlBinding> bindTrackBar(ui::Control& control, ui::Application& app) {
  return std::make_unique<TrackBarBinding>(static_cast<ui::TrackBar&>(control), app);
}

std::unique_ptr<ControlBinding> bindProgressBar(ui::Control& control, ui::Application& app) {
  return std::make_unique<ProgressBarBinding>(static_cast<ui::ProgressBar&>(control), app);
}

std::unique_ptr<ControlBinding> bindStatusBar(ui::Control& control, ui::Application& app) {
  return std::make_unique<StatusBarBinding>(static_cast<ui::StatusBar&>(control), app);
}

}  // namespace dozorik::win32
