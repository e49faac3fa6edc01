#pragma once

// The program's further windows under Win32: each shown form gets a window
// of its own, owned by the main window. Kept free of <windows.h>.

#include <memory>
#include <vector>

#include "platform/win32/native_window.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/form_host.h"

namespace dozorik::win32 {

class Win32FormHost : public ui::FormHost {
 public:
  // mainWindow realises the application's main form. Both, and every form
  // the host shows, must outlive the host.
  Win32FormHost(NativeWindow& mainWindow, ui::Application& application)
      : main_(mainWindow), app_(application) {}
  Win32FormHost(const Win32FormHost&) = delete;
  Win32FormHost& operator=(const Win32FormHost&) = delete;

  // A form's window is built afresh from the model each time it is shown,
  // and the form's created() runs before it appears. A form already shown
  // is only brought to the front; the main form in front of other programs'
  // windows too. Nothing is shown once the main window has closed.
  void show(ui::Form& form) override;
  // While the form is open, every other window of the program takes no
  // input; a quit request met meanwhile closes the form and is passed on to
  // the main loop.
  void showModal(ui::Form& form) override;
  void close(ui::Form& form) override;
  bool isShown(const ui::Form& form) const override;

  // The window realising a shown form (the main window for the main form),
  // or null.
  NativeWindow* window(const ui::Form& form) const;

 private:
  std::shared_ptr<NativeWindow> open(ui::Form& form);
  void block(const std::vector<const ui::Form*>& forms, bool blocked);
  void forgetClosed();

  NativeWindow& main_;
  ui::Application& app_;
  // Shared with a modal loop, which may outlive the window's place here.
  std::vector<std::shared_ptr<NativeWindow>> windows_;
};

}  // namespace dozorik::win32
