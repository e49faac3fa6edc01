#pragma once

namespace dozorik::ui {

class Form;

// Where the program's further windows appear: each a form of its own, in a
// window owned by the main window.
class FormHost {
 public:
  virtual ~FormHost() = default;
  // Shows the form and returns at once; the main window goes on working. A
  // form already shown comes to the front; the main form, asked for by a
  // later start of the program, in front of other programs' windows too.
  virtual void show(Form& form) = 0;
  // Shows the form and returns once it has closed; meanwhile the main window
  // takes no input, though its timers go on.
  virtual void showModal(Form& form) = 0;
  // Closes the form's window without asking the form; nothing when the form
  // is not shown.
  virtual void close(Form& form) = 0;
  virtual bool isShown(const Form& form) const = 0;
};

}  // namespace dozorik::ui
