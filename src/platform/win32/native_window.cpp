// The native window's behaviour: what it does with the messages of the
// system and the user (activation, minimise and restore, close and session
// end, timers, the keyboard and the system menu) and with the model's
// changes, and the message loop.

#include "platform/win32/native_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "platform/error.h"
#include "platform/win32/dialog_keys_win32.h"
#include "platform/win32/native_window_impl.h"
#include "platform/win32/wide.h"
#include "ui/push_button.h"

namespace dozorik::win32 {

namespace {

// Posted to the application window when it is activated, to pass the
// activation on to the main window (or the box open over it).
constexpr UINT kActivateMain = WM_APP + 1;

COLORREF colourOf(ui::Colour colour) {
  switch (colour) {
    case ui::Colour::Navy: return RGB(0, 0, 128);
    case ui::Colour::Black: return RGB(0, 0, 0);
    case ui::Colour::ButtonFace: return GetSysColor(COLOR_BTNFACE);
    case ui::Colour::Window: return GetSysColor(COLOR_WINDOW);
    case ui::Colour::WindowText: break;
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

}  // namespace

// --- Model to native -------------------------------------------------------

void NativeWindow::Impl::applyTimer(std::size_t index) {
  if (!alive()) return;
  ui::Timer& timer = *form.timers()[index];
  UINT_PTR id = index + 1;
  // SetTimer on a running id restarts its count with the new interval.
  if (timer.enabled() && timer.interval() > 0) {
    SetTimer(window.get(), id, static_cast<UINT>(timer.interval()), nullptr);
  } else {
    KillTimer(window.get(), id);
  }
}

void NativeWindow::Impl::applyEnabled() {
  if (alive()) EnableWindow(window.get(), form.enabled() && blocks == 0);
}

// --- The window's own behaviour --------------------------------------------

void NativeWindow::Impl::focusFirst() {
  HWND first = nullptr;
  if (ui::PushButton* button = form.defaultButton()) {
    if (Item* item = itemOf(*button)) first = item->binding->hwnd();
  }
  if (!first || !IsWindowVisible(first) || !IsWindowEnabled(first)) {
    first = GetNextDlgTabItem(window.get(), nullptr, FALSE);
  }
  if (first) SetFocus(first);
}

// The button Enter presses, for a form that has a default button: as in a
// dialog, the push button that has the focus, or else the default button.
HWND NativeWindow::Impl::enterButton() {
  ui::PushButton* button = form.defaultButton();
  if (!button) return nullptr;
  Item* focused = itemOf(GetFocus());
  if (focused && focused->binding->control().kind() == ui::Kind::PushButton) {
    return focused->binding->hwnd();
  }
  Item* item = itemOf(*button);
  return item ? item->binding->hwnd() : nullptr;
}

bool NativeWindow::Impl::askClose() {
  bool canClose = false;
  app.dispatch([&] { canClose = form.closeQuery(); });
  return canClose;
}

void NativeWindow::Impl::requestClose() {
  if (askClose() && alive()) destroyWindow();
}

void NativeWindow::Impl::destroyWindow() {
  runDestroying();
  tips.reset();
  window.reset();
}

void NativeWindow::Impl::runDestroying() {
  if (auto hook = std::exchange(view.onDestroying, nullptr)) hook();
}

// Shows the main window again once the application window is no longer
// minimised, and the further windows hidden with it.
void NativeWindow::Impl::restoreMain() {
  if (!hiddenByMinimize || !alive() || IsIconic(owner.get())) return;
  hiddenByMinimize = false;
  ShowWindow(window.get(), SW_SHOW);
  ShowOwnedPopups(window.get(), TRUE);
  activateFront();
}

// The main window, or the window over it that the user had last: a box, or
// a further window.
void NativeWindow::Impl::activateFront() {
  HWND target = GetLastActivePopup(window.get());
  if (!IsWindowVisible(target) || !IsWindowEnabled(target)) target = window.get();
  if (IsWindowVisible(target) && IsWindowEnabled(target)) SetActiveWindow(target);
}

// --- Window procedures -----------------------------------------------------

// --- Window procedures -----------------------------------------------------

LRESULT NativeWindow::Impl::ownerMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE:
      // "Close" on the taskbar button closes the main window, through its
      // close query.
      if (alive()) requestClose();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_RESTORE) {
        LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam);
        restoreMain();
        return result;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(hwnd, kActivateMain, 0, 0);
      break;
    case kActivateMain:
      // The taskbar button activated the application window; the user means
      // the main window, or the box or window open over it.
      restoreMain();
      if (alive() && GetActiveWindow() == hwnd && !IsIconic(hwnd)) activateFront();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      owner.release();
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT NativeWindow::Impl::formMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (tearingDown) return 0;
      if (Item* item = itemOf(reinterpret_cast<HWND>(lParam))) {
        item->binding->command(HIWORD(wParam));
      } else if (LOWORD(wParam) == IDCANCEL && !lParam && !isMain && alive()) {
        // Escape, through IsDialogMessage: a further window closes as its
        // close box closes it. The main window ignores it.
        requestClose();
      }
      return 0;

    case DM_GETDEFID:
      // IsDialogMessage asks which button Enter presses.
      if (HWND button = enterButton()) return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
      return 0;

    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (tearingDown) return 0;
      if (Item* item = itemOf(header.hwndFrom)) return item->binding->notified(header);
      break;
    }

    case WM_HSCROLL:
      if (!tearingDown) {
        if (Item* item = itemOf(reinterpret_cast<HWND>(lParam))) item->binding->scrolled();
      }
      return 0;

    case WM_DRAWITEM: {
      Item* item = itemOf(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem);
      if (item && item->binding->draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    }

    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: {
      // Text in the control's font colour on the button face; typing areas
      // keep the window colour.
      HDC dc = reinterpret_cast<HDC>(wParam);
      Item* item = itemOf(reinterpret_cast<HWND>(lParam));
      ui::Font font = item ? item->binding->control().font() : form.font();
      int background = msg == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE;
      SetTextColor(dc, colourOf(font.colour));
      SetBkColor(dc, GetSysColor(background));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
    }

    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        if (Item* item = itemOf(reinterpret_cast<HWND>(wParam))) {
          ui::Cursor cursor = item->binding->control().cursor();
          if (cursor != ui::Cursor::Default) {
            // The hand is missing before Windows 98 and 2000.
            HCURSOR shape =
                LoadCursorW(nullptr, cursor == ui::Cursor::Hand ? IDC_HAND : IDC_IBEAM);
            SetCursor(shape ? shape : LoadCursorW(nullptr, IDC_ARROW));
            return TRUE;
          }
        }
      }
      break;

    case WM_TIMER: {
      const auto& timers = form.timers();
      if (!tearingDown && wParam >= 1 && wParam <= timers.size()) {
        ui::Timer& timer = *timers[wParam - 1];
        app.dispatch([&] { timer.fire(); });
      }
      return 0;
    }

    case WM_NEXTDLGCTL: {
      // IsDialogMessage asks this of a window that is not a dialog too:
      // Tab and the arrow keys move the focus.
      HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
      if (next) {
        SetFocus(next);
        if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
          SendMessageW(next, EM_SETSEL, 0, -1);
        }
      }
      return 0;
    }

    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) lastFocus = focus;
      } else if (lastFocus && IsWindow(lastFocus) && IsChild(hwnd, lastFocus) &&
                 IsWindowVisible(lastFocus) && IsWindowEnabled(lastFocus)) {
        SetFocus(lastFocus);
        return 0;
      }
      break;

    case WM_SYSCOMMAND: {
      const UINT command = wParam & 0xFFF0;
      // Minimising goes through the application window, which keeps the
      // taskbar button. The main window and the windows it owns are hidden
      // here rather than left to the system, which does not hide every kind
      // of owned window.
      if (command == SC_MINIMIZE && isMain && owner) {
        hiddenByMinimize = true;
        ShowOwnedPopups(hwnd, FALSE);
        ShowWindow(hwnd, SW_HIDE);
        ShowWindow(owner.get(), SW_MINIMIZE);
        return 0;
      }
      // The form's own items, below SC_SIZE, the first of the system's.
      if (command >= kFirstMenuCommand && command < SC_SIZE) {
        const auto& entries = form.systemMenu();
        const std::size_t index = (command - kFirstMenuCommand) / kMenuCommandStep;
        if (!tearingDown && index < entries.size() && entries[index].onClick) {
          const std::function<void()> handler = entries[index].onClick;
          app.dispatch(handler);
        }
        return 0;
      }
      break;
    }

    case WM_CLOSE:
      if (alive()) requestClose();
      return 0;

    case WM_QUERYENDSESSION:
      // Windows shuts down, restarts or logs off: the main window's form
      // decides. Another program may still cancel the end, so nothing that
      // can't be undone happens yet. Further windows go with the main one.
      if (!isMain) break;
      if (!alive()) return TRUE;
      closeAnswered = false;
      app.dispatch([&] { closeAnswered = form.sessionEndQuery(); });
      return closeAnswered;

    case WM_ENDSESSION:
      if (!isMain) break;
      if (wParam && alive()) {
        // Also when the end was forced without asking first.
        if (!closeAnswered) app.dispatch([&] { form.sessionEndQuery(); });
        app.dispatch([&] { form.sessionEnd(true); });
        destroyWindow();
      } else if (!wParam && closeAnswered && alive()) {
        // Cancelled after the form said yes: it takes back what it prepared.
        app.dispatch([&] { form.sessionEnd(false); });
      }
      closeAnswered = false;
      return 0;

    case WM_SHOWWINDOW:
      // The system hides a window with its owner as the owner is minimised
      // (DefWindowProc does it on SW_PARENTCLOSING). A warning of what is
      // about to happen stays in sight.
      if (!wParam && lParam == SW_PARENTCLOSING && form.staysInSight()) return 0;
      break;

    case WM_DESTROY:
      // Closing the main window ends the program's message loop, and its
      // taskbar button goes at once; tearing the object down does neither.
      if (!tearingDown) {
        runDestroying();
        if (isMain) {
          if (owner) ShowWindow(owner.get(), SW_HIDE);
          PostQuitMessage(0);
        }
      }
      break;

    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      window.release();
      tips.release();  // an owned window: gone with this one
      lastFocus = nullptr;
      for (Item& item : items) {
        item.binding->detach();
        item.hasTip = false;
      }
      detach();
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// --- NativeWindow ----------------------------------------------------------

NativeWindow::NativeWindow(ui::Form& form, ui::Application& application)
    : impl_(std::make_unique<Impl>(*this, form, application, nullptr)) {}

NativeWindow::NativeWindow(ui::Form& form, ui::Application& application,
                           const NativeWindow& mainWindow) {
  HWND main = static_cast<HWND>(mainWindow.handle());
  if (!main) throw Error("Cannot create the window.");
  impl_ = std::make_unique<Impl>(*this, form, application, main);
}

NativeWindow::~NativeWindow() = default;

void NativeWindow::show() {
  if (!impl_->alive()) return;
  HWND hwnd = impl_->window.get();
  impl_->centre();
  if (impl_->owner) ShowWindow(impl_->owner.get(), SW_SHOWNOACTIVATE);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  SetForegroundWindow(hwnd);
  if (!impl_->lastFocus) impl_->focusFirst();
}

void NativeWindow::activate() {
  if (!impl_->alive()) return;
  HWND hwnd = impl_->window.get();
  if (impl_->isMain) {
    impl_->activateFront();
  } else if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    SetActiveWindow(hwnd);
  }
}

void NativeWindow::bringToFront() {
  if (!impl_->alive() || !impl_->isMain) return;
  HWND owner = impl_->owner.get();
  // As the taskbar button restores it, with the windows hidden with it.
  if (owner && IsIconic(owner)) SendMessageW(owner, WM_SYSCOMMAND, SC_RESTORE, 0);
  HWND target = GetLastActivePopup(impl_->window.get());
  if (!IsWindowVisible(target) || !IsWindowEnabled(target)) target = impl_->window.get();
  if (SetForegroundWindow(target)) return;
  // Windows flashes the button of the window it refused, which has none: the
  // application window carries it.
  FLASHWINFO flash{sizeof flash, owner ? owner : target, FLASHW_TRAY | FLASHW_TIMERNOFG, 0, 0};
  FlashWindowEx(&flash);
}

int NativeWindow::runMessageLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return -1;
    if (handleDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void NativeWindow::close() {
  if (impl_->alive()) SendMessageW(impl_->window.get(), WM_CLOSE, 0, 0);
}

void NativeWindow::destroy() {
  if (impl_->alive()) impl_->destroyWindow();
}

bool NativeWindow::isOpen() const { return impl_->alive(); }

bool NativeWindow::busy() const { return impl_->running > 0; }

void NativeWindow::blockInput(bool block) {
  impl_->blocks = std::max(0, impl_->blocks + (block ? 1 : -1));
  impl_->applyEnabled();
}

ui::Form& NativeWindow::form() const { return impl_->form; }

void* NativeWindow::handle() const { return impl_->window.get(); }

void* NativeWindow::ownerHandle() const { return impl_->owner.get(); }

void* NativeWindow::nativeControl(const ui::Control& control) const {
  if (&control == &impl_->form) return impl_->window.get();
  Impl::Item* item = impl_->itemOf(control);
  return item ? item->binding->hwnd() : nullptr;
}

void* NativeWindow::spinArrows(const ui::Control& control) const {
  Impl::Item* item = impl_->itemOf(control);
  return item ? item->binding->arrows() : nullptr;
}

void NativeWindow::changed(ui::Control& control, ui::Property property) {
  // The model outlives the window: after it closed, changes go nowhere.
  if (!impl_ || !impl_->alive()) return;
  if (&control == &impl_->form) {
    if (property == ui::Property::Text) {
      SetWindowTextW(impl_->window.get(), widen(control.text()).c_str());
    } else if (property == ui::Property::Enabled) {
      impl_->applyEnabled();
    }
    return;
  }
  if (property == ui::Property::Visible || property == ui::Property::Enabled) {
    impl_->applyState(control);
    return;
  }
  Impl::Item* item = impl_->itemOf(control);
  if (!item || !item->binding->hwnd()) return;
  if (property == ui::Property::Hint) {
    impl_->applyTip(*item);
  } else {
    item->binding->apply(property);
  }
}

void NativeWindow::timerChanged(ui::Timer& timer) {
  if (!impl_) return;
  const auto& timers = impl_->form.timers();
  for (std::size_t i = 0; i < timers.size(); ++i) {
    if (timers[i] == &timer) impl_->applyTimer(i);
  }
}

void NativeWindow::titleChanged(const std::string& title) {
  if (impl_ && impl_->owner) SetWindowTextW(impl_->owner.get(), widen(title).c_str());
}

}  // namespace dozorik::win32
