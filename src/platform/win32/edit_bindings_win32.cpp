// The boxes the user types into: the edit box, and the spin edit (an edit
// box with up-down arrows beside it).

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/error.h"
#include "platform/win32/control_binding_win32.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_class_win32.h"
#include "ui/edit.h"
#include "ui/integer_text.h"
#include "ui/spin_edit.h"

namespace dozorik::win32 {

namespace {

std::string windowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), length + 1));
  return narrow(text);
}

// A box's text as the model sets it. The box tells of every change, the
// model's own too; those are not passed back.
class BoxText {
 public:
  // Sets the text, unless the box shows it already: the model's echo of what
  // the user just typed must leave the box alone, since setting its text puts
  // the caret back at the start.
  void set(HWND box, const std::string& text) {
    if (windowText(box) == text) return;
    whileApplying([&] { SetWindowTextW(box, widen(text).c_str()); });
  }
  // Runs a change to the box that comes from the model.
  template <typename Change>
  void whileApplying(Change change) {
    bool was = std::exchange(applying_, true);
    change();
    applying_ = was;
  }
  bool applying() const { return applying_; }

 private:
  bool applying_ = false;
};

class EditBinding final : public BindingOf<ui::Edit> {
 public:
  using BindingOf::BindingOf;
  void apply(ui::Property property) override {
    if (property == ui::Property::Text) text_.set(hwnd(), model().text());
  }
  void command(int code) override {
    if (code != EN_CHANGE || text_.applying()) return;
    const std::string typed = windowText(hwnd());
    if (typed == model().text()) return;
    dispatch([&] { model().type(typed); });
    // A box that did not take the text shows the model's text again.
    if (hwnd() && model().text() != typed) text_.set(hwnd(), model().text());
  }

 private:
  Native native() const override {
    return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
  }
  // The limit holds for typing only; the model may set longer texts.
  void created(HWND) override { SendMessageW(hwnd(), EM_LIMITTEXT, model().maxLength(), 0); }

  BoxText text_;
};

class SpinEditBinding final : public BindingOf<ui::SpinEdit> {
 public:
  using BindingOf::BindingOf;
  HWND arrows() const override { return arrows_; }
  void apply(ui::Property property) override {
    if (property == ui::Property::Text) showText();
  }
  void command(int code) override {
    if (code == EN_CHANGE) edited(false);
    if (code == EN_KILLFOCUS) edited(true);
  }
  void detach() override {
    arrows_ = nullptr;
    ControlBinding::detach();
  }

 private:
  Native native() const override {
    return {WC_EDITW, ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP, WS_EX_CLIENTEDGE};
  }
  void created(HWND form) override {
    createArrows(form);
    SendMessageW(arrows_, UDM_SETRANGE32, model().minValue(), model().maxValue());
    showText();
  }

  // The arrows sit at the right end of the control's place and the box takes
  // the rest. They are placed here rather than by UDS_ALIGNRIGHT, whose
  // placement beside a sunken box differs between Windows versions.
  void createArrows(HWND form) {
    const ui::Rect r = model().rectOnForm();
    const int width = std::min(GetSystemMetrics(SM_CXVSCROLL), r.width / 2);
    SetWindowPos(hwnd(), nullptr, 0, 0, r.width - width, r.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    arrows_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                              WS_CHILD | WS_CLIPSIBLINGS | UDS_SETBUDDYINT | UDS_ARROWKEYS |
                                  UDS_NOTHOUSANDS,
                              r.left + r.width - width, r.top, width, r.height, form, nullptr,
                              instance(), nullptr);
    if (!arrows_) throw Error("Cannot create the window.");
    SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd()), 0);
    // Attaching may have moved the arrows; put them back in their place.
    SetWindowPos(arrows_, nullptr, r.left + r.width - width, r.top, width, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void showText() {
    text_.set(hwnd(), model().text());
    // The arrows step from the number shown. Setting their position
    // rewrites the box, so a half-typed number is left as typed.
    if (ui::integerFromText(model().text()) == model().value()) {
      text_.whileApplying([&] { SendMessageW(arrows_, UDM_SETPOS32, 0, model().value()); });
    }
  }

  // Every text the user types reaches the model, half-typed numbers too: the
  // model reads its value from the text when asked. Leaving the box makes it
  // show that value.
  void edited(bool leaving) {
    if (text_.applying()) return;
    const std::string typed = windowText(hwnd());
    if (typed != model().text()) dispatch([&] { model().type(typed); });
    if (leaving) dispatch([this] { model().leave(); });
    if (leaving && hwnd() && windowText(hwnd()) != model().text()) showText();
  }

  HWND arrows_ = nullptr;
  BoxText text_;
};

}  // namespace

std::unique_ptr<ControlBinding> bindEdit(ui::Control& control, ui::Application& app) {
  return std::make_unique<EditBinding>(static_cast<ui::Edit&>(control), app);
}

std::unique_ptr<ControlBinding> bindSpinEdit(ui::Control& control, ui::Application& app) {
  return std::make_unique<SpinEditBinding>(static_cast<ui::SpinEdit&>(control), app);
}

}  // namespace dozorik::win32
