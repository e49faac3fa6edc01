// The controls realised by the system's Button class: check box, radio
// button, push button and group box.

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/control_binding_win32.h"
#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"

namespace dozorik::win32 {

namespace {

void showCheck(HWND hwnd, bool checked) {
  SendMessageW(hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Not the automatic kinds of check box and radio button: the check mark shows
// only what the model holds, and a click asks the model.
template <typename Model, DWORD kStyle>
class CheckableBinding : public BindingOf<Model> {
 public:
  using BindingOf<Model>::BindingOf;
  void apply(ui::Property property) override {
    if (property == ui::Property::Text) this->setNativeText();
    if (property == ui::Property::Checked) showCheck(this->hwnd(), this->model().checked());
  }
  void command(int code) override {
    if (code == BN_CLICKED) this->dispatch([this] { this->model().click(); });
  }

 private:
  ControlBinding::Native native() const override { return {WC_BUTTONW, kStyle | WS_TABSTOP}; }
  void created(HWND) override { showCheck(this->hwnd(), this->model().checked()); }
};

using CheckBoxBinding = CheckableBinding<ui::CheckBox, BS_CHECKBOX>;

class RadioButtonBinding final : public CheckableBinding<ui::RadioButton, BS_RADIOBUTTON> {
 public:
  using CheckableBinding::CheckableBinding;

 private:
  // Radio buttons of one parent, created one after another, form one group
  // for the arrow keys.
  bool continuesGroup(const ui::Control* previous) const override {
    return previous && previous->kind() == ui::Kind::RadioButton &&
           previous->parent() == model().parent();
  }
};

// The form's default button has the heavy frame that says Enter presses it.
class PushButtonBinding final : public BindingOf<ui::PushButton> {
 public:
  using BindingOf::BindingOf;
  void apply(ui::Property property) override {
    if (property == ui::Property::Text) setNativeText();
  }
  void command(int code) override {
    if (code == BN_CLICKED) dispatch([this] { model().click(); });
  }

 private:
  Native native() const override {
    const ui::Control* form = &model();
    while (form->parent()) form = form->parent();
    const bool isDefault = form->kind() == ui::Kind::Form &&
                           static_cast<const ui::Form*>(form)->defaultButton() == &model();
    return {WC_BUTTONW, DWORD(isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP};
  }
};

class GroupBoxBinding final : public BindingOf<ui::GroupBox> {
 public:
  using BindingOf::BindingOf;
  void apply(ui::Property property) override {
    if (property == ui::Property::Text) setNativeText();
  }
  bool liesBeneath() const override { return true; }

 private:
  Native native() const override { return {WC_BUTTONW, BS_GROUPBOX}; }
};

}  // namespace

std::unique_ptr<ControlBinding> bindCheckBox(ui::Control& control, ui::Application& app) {
  return std::make_unique<CheckBoxBinding>(static_cast<ui::CheckBox&>(control), app);
}

std::unique_ptr<ControlBinding> bindRadioButton(ui::Control& control, ui::Application& app) {
  return std::make_unique<RadioButtonBinding>(static_cast<ui::RadioButton&>(control), app);
}

std::unique_ptr<ControlBinding> bindPushButton(ui::Control& control, ui::Application& app) {
  return std::make_unique<PushButtonBinding>(static_cast<ui::PushButton&>(control), app);
}

std::unique_ptr<ControlBinding> bindGroupBox(ui::Control& control, ui::Application& app) {
  return std::make_unique<GroupBoxBinding>(static_cast<ui::GroupBox&>(control), app);
}

}  // namespace dozorik::win32
