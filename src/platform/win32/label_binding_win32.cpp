// The label: a static text that reports clicks.

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/control_binding_win32.h"
#include "ui/label.h"

namespace dozorik::win32 {

namespace {

class LabelBinding final : public BindingOf<ui::Label> {
 public:
  using BindingOf::BindingOf;
  void apply(ui::Property property) override {
    if (property == ui::Property::Text) setNativeText();
  }
  void command(int code) override {
    if (code == STN_CLICKED) dispatch([this] { model().click(); });
  }

 private:
  // SS_NOTIFY gives clicks and lets the tooltip see the mouse.
  Native native() const override {
    const bool centre = model().alignment() == ui::Alignment::Centre;
    const DWORD align = centre ? SS_CENTER : SS_LEFTNOWORDWRAP;
    return {WC_STATICW, SS_NOTIFY | SS_NOPREFIX | align};
  }
};

}  // namespace

std::unique_ptr<ControlBinding> bindLabel(ui::Control& control, ui::Application& app) {
  return std::make_unique<LabelBinding>(static_cast<ui::Label&>(control), app);
}

}  // namespace dozorik::win32
