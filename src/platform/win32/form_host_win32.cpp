#include "platform/win32/form_host_win32.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/dialog_keys_win32.h"

namespace dozorik::win32 {

NativeWindow* Win32FormHost::window(const ui::Form& form) const {
  if (&form == &main_.form()) return main_.isOpen() ? &main_ : nullptr;
  for (const auto& window : windows_) {
    if (&window->form() == &form && window->isOpen()) return window.get();
  }
  return nullptr;
}

bool Win32FormHost::isShown(const ui::Form& form) const { return window(form) != nullptr; }

void Win32FormHost::show(ui::Form& form) {
  forgetClosed();
  if (&form == &main_.form()) {
    main_.bringToFront();
  } else if (NativeWindow* shown = window(form)) {
    shown->activate();
  } else if (main_.isOpen()) {
    std::shared_ptr<NativeWindow> window = open(form);
    app_.dispatch([&] { form.created(); });
    window->show();
  }
}

void Win32FormHost::showModal(ui::Form& form) {
  forgetClosed();
  if (NativeWindow* shown = window(form)) {
    shown->activate();
    return;
  }
  if (!main_.isOpen()) return;
  std::shared_ptr<NativeWindow> modal = open(form);

  // Every other window takes no input until this one goes. They get it back
  // just before it is destroyed, so that the system then activates the main
  // window and not another program's.
  std::vector<const ui::Form*> others{&main_.form()};
  for (const auto& window : windows_) {
    if (window != modal && window->isOpen()) others.push_back(&window->form());
  }
  block(others, true);
  modal->onDestroying = [this, others] { block(others, false); };
  app_.dispatch([&] { form.created(); });
  modal->show();

  MSG msg;
  while (modal->isOpen()) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // Windows hands WM_QUIT out only once the queue is otherwise empty,
      // so posting it again does not bring it back into this loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (handleDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  modal->destroy();
  if (main_.isOpen()) main_.activate();
  forgetClosed();
}

void Win32FormHost::close(ui::Form& form) {
  forgetClosed();
  if (NativeWindow* shown = window(form)) shown->destroy();
}

// A new window for the form, not yet shown; the caller runs the form's
// created(). A window that cannot be made throws, and the error reaches the
// user as a handler's error would.
std::shared_ptr<NativeWindow> Win32FormHost::open(ui::Form& form) {
  auto window = std::make_shared<NativeWindow>(form, app_, main_);
  windows_.push_back(window);
  return window;
}

void Win32FormHost::block(const std::vector<const ui::Form*>& forms, bool blocked) {
  for (const ui::Form* form : forms) {
    if (NativeWindow* shown = window(*form)) shown->blockInput(blocked);
  }
}

// Closed windows are deleted here, never from inside their own window
// procedures: a form is often closed by one of its own handlers.
void Win32FormHost::forgetClosed() {
  auto gone = [](const auto& window) { return !window->isOpen() && !window->busy(); };
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(), gone), windows_.end());
}

}  // namespace dozorik::win32
