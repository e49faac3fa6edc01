#pragma once

// How a control of the window model is realised as a native control: which
// native control it is and how it is created, how each change of the model
// reaches it, and which of its notifications turns into which call on the
// model. The form window keeps one binding per native child and hands each
// child's messages to that child's binding.

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/application.h"
#include "ui/control.h"

namespace dozorik::win32 {

class ControlBinding {
 public:
  ControlBinding(ui::Control& control, ui::Application& app) : control_(control), app_(app) {}
  virtual ~ControlBinding() = default;
  ControlBinding(const ControlBinding&) = delete;
  ControlBinding& operator=(const ControlBinding&) = delete;

  ui::Control& control() const { return control_; }
  // The native control; null once the form window is gone.
  HWND hwnd() const { return hwnd_; }
  // The up-down arrows beside a spin edit; null for the other kinds.
  virtual HWND arrows() const { return nullptr; }

  // Creates the native control on the form window, in the control's place,
  // and brings it to the model's state. previous: the control created just
  // before, for the arrow-key groups.
  void create(HWND form, int id, HFONT font, const ui::Control* previous);

  // The model changed a property of the control (text, check mark, position,
  // range, panels).
  virtual void apply(ui::Property) {}
  // The native control's WM_COMMAND notification.
  virtual void command(int) {}
  // WM_HSCROLL from the native control.
  virtual void scrolled() {}
  // WM_NOTIFY from the native control; what the window answers.
  virtual LRESULT notified(const NMHDR&) { return 0; }
  // WM_DRAWITEM; false for the kinds the system draws.
  virtual bool draw(const DRAWITEMSTRUCT&) { return false; }
  // Boxes and panels only draw beneath the controls inside them.
  virtual bool liesBeneath() const { return false; }

  // Shows or hides, enables or disables every native window of the control.
  void setState(bool shown, bool enabled);
  // The form window and its children are gone: nothing reaches them any more.
  virtual void detach() { hwnd_ = nullptr; }

 protected:
  // The native control: its class, its styles beyond WS_CHILD,
  // WS_CLIPSIBLINGS and WS_GROUP, and whether it shows the control's text.
  struct Native {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle = 0;
    bool showsText = true;
  };
  virtual Native native() const = 0;
  // Runs once the native control exists, to bring it to the model's state.
  virtual void created(HWND) {}
  // Every control starts a group of its own for the arrow keys but for radio
  // buttons, which continue the group of the one before them.
  virtual bool continuesGroup(const ui::Control*) const { return false; }

  // Runs a call on the model as an event handler: an error it raises is shown
  // to the user.
  void dispatch(const std::function<void()>& call) { app_.dispatch(call); }
  // A caption set from the model.
  void setNativeText();

 private:
  ui::Control& control_;
  ui::Application& app_;
  HWND hwnd_ = nullptr;
};

// A binding that knows its control's own type.
template <typename Model>
class BindingOf : public ControlBinding {
 public:
  BindingOf(Model& model, ui::Application& app) : ControlBinding(model, app), model_(model) {}

 protected:
  Model& model() const { return model_; }

 private:
  Model& model_;
};

// The binding of each kind, beside its native control's own code.
std::unique_ptr<ControlBinding> bindCheckBox(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindRadioButton(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindPushButton(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindGroupBox(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindLabel(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindEdit(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindSpinEdit(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindTrackBar(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindProgressBar(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindStatusBar(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindPictureButton(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindPanel(ui::Control& control, ui::Application& app);
std::unique_ptr<ControlBinding> bindPageControl(ui::Control& control, ui::Application& app);

// The binding for the control's kind; null for the kinds that only hold data
// and are never shown.
std::unique_ptr<ControlBinding> bindControl(ui::Control& control, ui::Application& app);

}  // namespace dozorik::win32
