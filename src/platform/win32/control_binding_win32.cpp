#include "platform/win32/control_binding_win32.h"

#include "platform/error.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_class_win32.h"

namespace dozorik::win32 {

void ControlBinding::create(HWND form, int id, HFONT font, const ui::Control* previous) {
  const Native n = native();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | n.style;
  if (!continuesGroup(previous)) style |= WS_GROUP;
  const std::wstring text = n.showsText ? widen(control_.text()) : std::wstring();
  const ui::Rect r = control_.rectOnForm();
  hwnd_ = CreateWindowExW(n.exStyle, n.className, text.c_str(), style, r.left, r.top, r.width,
                          r.height, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          instance(), nullptr);
  if (!hwnd_) throw Error("Cannot create the window.");
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  created(form);
}

void ControlBinding::setState(bool shown, bool enabled) {
  for (HWND hwnd : {hwnd_, arrows()}) {
    if (!hwnd) continue;
    ShowWindow(hwnd, shown ? SW_SHOWNA : SW_HIDE);
    EnableWindow(hwnd, enabled);
  }
}

void ControlBinding::setNativeText() { SetWindowTextW(hwnd_, widen(control_.text()).c_str()); }

std::unique_ptr<ControlBinding> bindControl(ui::Control& control, ui::Application& app) {
  switch (control.kind()) {
    case ui::Kind::CheckBox: return bindCheckBox(control, app);
    case ui::Kind::RadioButton: return bindRadioButton(control, app);
    case ui::Kind::PushButton: return bindPushButton(control, app);
    case ui::Kind::GroupBox: return bindGroupBox(control, app);
    case ui::Kind::Label: return bindLabel(control, app);
    case ui::Kind::Edit: return bindEdit(control, app);
    case ui::Kind::SpinEdit: return bindSpinEdit(control, app);
    case ui::Kind::TrackBar: return bindTrackBar(control, app);
    case ui::Kind::ProgressBar:
    case ui::Kind::Gauge: return bindProgressBar(control, app);
    case ui::Kind::StatusBar: return bindStatusBar(control, app);
    case ui::Kind::PictureButton: return bindPictureButton(control, app);
    case ui::Kind::Panel: return bindPanel(control, app);
    case ui::Kind::PageControl: return bindPageControl(control, app);
    case ui::Kind::Page:  // no window of its own: its controls show with it
    case ui::Kind::Form:
    case ui::Kind::StringGrid:
    case ui::Kind::StringList: break;  // they only hold data
  }
  return nullptr;
}

}  // namespace dozorik::win32
