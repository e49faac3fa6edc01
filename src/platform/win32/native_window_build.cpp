// How a native window comes to be: the application window, the form's
// window in its place, a native control for each control of the form, and
// the ties that let the model reach them.

#include "platform/win32/native_window_impl.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/error.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_class_win32.h"

namespace dozorik::win32 {

namespace {

RECT workArea() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// True when the control and every container above it are visible (or
// enabled): children of a hidden or disabled box follow it.
bool shownOnForm(const ui::Control& control) {
  for (const ui::Control* c = &control; c && c->kind() != ui::Kind::Form; c = c->parent()) {
    if (!c->visible()) return false;
  }
  return true;
}

bool enabledOnForm(const ui::Control& control) {
  for (const ui::Control* c = &control; c && c->kind() != ui::Kind::Form; c = c->parent()) {
    if (!c->enabled()) return false;
  }
  return true;
}

}  // namespace

void NativeWindow::Impl::collect(ui::Control& control, std::vector<ui::Control*>& out) {
  for (ui::Control* child : control.children()) {
    out.push_back(child);
    collect(*child, out);
  }
}

NativeWindow::Impl::Impl(NativeWindow& view_, ui::Form& form_, ui::Application& app_,
                         HWND mainWindow)
    : view(view_), form(form_), app(app_), isMain(!mainWindow) {
  try {
    build(mainWindow);
  } catch (...) {
    detach();
    closeWindows();
    throw;
  }
}

NativeWindow::Impl::~Impl() {
  detach();
  if (isMain) app.setView(nullptr);
  closeWindows();
}

template <LRESULT (NativeWindow::Impl::*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK NativeWindow::Impl::windowProc(HWND hwnd, UINT msg, WPARAM wParam,
                                                 LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Impl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  ++self->running;
  LRESULT result = (self->*Handler)(hwnd, msg, wParam, lParam);
  --self->running;
  return result;
}

void NativeWindow::Impl::build(HWND mainWindow) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                           ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  registerWindowClass(kFormClass, &Impl::windowProc<&Impl::formMessage>, face);
  registerWindowClass(kOwnedFormClass, &Impl::windowProc<&Impl::formMessage>, face);
  registerWindowClass(kOwnerClass, &Impl::windowProc<&Impl::ownerMessage>, nullptr);

  if (isMain) {
    loadIcons();
    createOwner();
  }
  createWindow(mainWindow);
  tips.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window.get(), nullptr,
                             instance(), nullptr));
  createControls();
  addSystemMenu();
  attach();
  applyEnabled();
}

// Destroys the windows without ending the message loop and without calls
// into the model.
void NativeWindow::Impl::closeWindows() {
  tearingDown = true;
  tips.reset();
  window.reset();
  owner.reset();
}

// The window becomes the view of its form, the form's controls and timers,
// and (the main window) of the application.
void NativeWindow::Impl::attach() {
  std::vector<ui::Control*> controls;
  collect(form, controls);
  form.setView(&view);
  for (ui::Control* control : controls) control->setView(&view);
  if (isMain) app.setView(&view);
  for (std::size_t i = 0; i < form.timers().size(); ++i) {
    form.timers()[i]->setView(&view);
    applyTimer(i);
  }
  attached = true;
}

// The model stops talking to this window. Done as soon as the native window
// is gone, so that a later window for the same form keeps its place.
void NativeWindow::Impl::detach() {
  if (!std::exchange(attached, false)) return;
  std::vector<ui::Control*> controls;
  collect(form, controls);
  for (ui::Control* control : controls) control->setView(nullptr);
  form.setView(nullptr);
  for (ui::Timer* timer : form.timers()) timer->setView(nullptr);
}

void NativeWindow::Impl::loadIcons() {
  // The program's icon from its resources; a test program has none.
  bigIcon.reset(static_cast<HICON>(LoadImageW(instance(), L"MAINICON", IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON),
                                              GetSystemMetrics(SM_CYICON), 0)));
  smallIcon.reset(static_cast<HICON>(LoadImageW(instance(), L"MAINICON", IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON),
                                                GetSystemMetrics(SM_CYSMICON), 0)));
}

// The application window: the taskbar shows its text, the title, while the
// main window it owns shows its own caption. It has no size, so nothing of
// it is seen but its taskbar button.
void NativeWindow::Impl::createOwner() {
  RECT area = workArea();
  owner.reset(CreateWindowExW(0, kOwnerClass, widen(app.title()).c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU |
                                  WS_MINIMIZEBOX,
                              (area.left + area.right) / 2, (area.top + area.bottom) / 2, 0, 0,
                              nullptr, nullptr, instance(), this));
  if (!owner) throw Error("Cannot create the window.");
  setIcons(owner.get());
}

void NativeWindow::Impl::setIcons(HWND hwnd) {
  HICON shared = LoadIconW(nullptr, IDI_APPLICATION);
  SendMessageW(hwnd, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(bigIcon ? bigIcon.get() : shared));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(smallIcon ? smallIcon.get() : shared));
}

// The main window has a minimise box and is owned by the application window.
// A further window has only a close box and the frame of a dialog; owned by
// the main window, it gets no taskbar button of its own.
void NativeWindow::Impl::createWindow(HWND mainWindow) {
  const DWORD style = isMain ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
                             : WS_POPUP | WS_CAPTION | WS_SYSMENU;
  // A warning stays above every other program's windows.
  const DWORD exStyle =
      isMain ? 0 : WS_EX_DLGMODALFRAME | (form.staysInSight() ? WS_EX_TOPMOST : 0);
  RECT frame{0, 0, form.clientWidth(), form.clientHeight()};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  window.reset(CreateWindowExW(exStyle, isMain ? kFormClass : kOwnedFormClass,
                               widen(form.text()).c_str(), style, 0, 0, frame.right - frame.left,
                               frame.bottom - frame.top, isMain ? owner.get() : mainWindow,
                               nullptr, instance(), this));
  if (!window) throw Error("Cannot create the window.");

  // The caption's height depends on the system's settings; correct the size
  // by what the client area really got.
  RECT client;
  GetClientRect(window.get(), &client);
  int dx = form.clientWidth() - client.right;
  int dy = form.clientHeight() - client.bottom;
  if (dx || dy) {
    SetWindowPos(window.get(), nullptr, 0, 0, frame.right - frame.left + dx,
                 frame.bottom - frame.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  centre();
  if (isMain) setIcons(window.get());
}

void NativeWindow::Impl::createControls() {
  std::vector<ui::Control*> controls;
  collect(form, controls);
  const ui::Control* previous = nullptr;
  for (ui::Control* control : controls) {
    std::unique_ptr<ControlBinding> binding = bindControl(*control, app);
    if (!binding) continue;
    const int id = kFirstControlId + static_cast<int>(items.size());
    byControl[control] = items.size();
    items.push_back({std::move(binding)});
    items.back().binding->create(window.get(), id, fontFor(*control), previous);
    previous = control;
  }
  // Children come out of CreateWindow in tab order, the first on top. Boxes
  // and panels only draw beneath the others, so they go to the bottom, each
  // container still above the ones declared before it.
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    if (it->binding->liesBeneath()) {
      SetWindowPos(it->binding->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  for (ui::Control* child : form.children()) applyState(*child);
  for (Item& item : items) applyTip(item);
}

// A separator, then the form's items, below the system's own.
void NativeWindow::Impl::addSystemMenu() {
  const auto& entries = form.systemMenu();
  if (entries.empty()) return;
  HMENU menu = GetSystemMenu(window.get(), FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    AppendMenuW(menu, MF_STRING, kFirstMenuCommand + i * kMenuCommandStep,
                widen(entries[i].text).c_str());
  }
}

// The main window sits in the middle of the work area, a further one in the
// middle of the main window, kept inside the work area.
void NativeWindow::Impl::centre() {
  const RECT area = workArea();
  RECT around = area;
  if (!isMain) GetWindowRect(GetWindow(window.get(), GW_OWNER), &around);
  RECT r;
  GetWindowRect(window.get(), &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  int x = around.left + (around.right - around.left - width) / 2;
  int y = around.top + (around.bottom - around.top - height) / 2;
  if (!isMain) {
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
  }
  SetWindowPos(window.get(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT NativeWindow::Impl::fontFor(const ui::Control& control) {
  ui::Font font = control.font();
  auto key = std::make_tuple(font.face, font.height, font.bold);
  auto it = fonts.find(key);
  if (it == fonts.end()) {
    UniqueFont created(CreateFontW(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                   FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, widen(font.face).c_str()));
    it = fonts.emplace(key, std::move(created)).first;
  }
  return it->second.get();
}

// --- Model to native -------------------------------------------------------

void NativeWindow::Impl::applyState(ui::Control& control) {
  if (Item* item = itemOf(control)) {
    item->binding->setState(shownOnForm(control), enabledOnForm(control));
  }
  for (ui::Control* child : control.children()) applyState(*child);
}

void NativeWindow::Impl::applyTip(Item& item) {
  if (!tips) return;
  std::wstring text = widen(item.binding->control().hint());
  TTTOOLINFOW tool{};
  // The older, shorter structure: the version 5 controls refuse the newer.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window.get();
  tool.uId = reinterpret_cast<UINT_PTR>(item.binding->hwnd());
  tool.lpszText = text.data();
  if (text.empty()) {
    if (item.hasTip) SendMessageW(tips.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    item.hasTip = false;
  } else if (item.hasTip) {
    SendMessageW(tips.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    item.hasTip = SendMessageW(tips.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

NativeWindow::Impl::Item* NativeWindow::Impl::itemOf(HWND hwnd) {
  if (!hwnd) return nullptr;
  int index = GetDlgCtrlID(hwnd) - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
  Item& item = items[index];
  return item.binding->hwnd() == hwnd ? &item : nullptr;
}

NativeWindow::Impl::Item* NativeWindow::Impl::itemOf(const ui::Control& control) {
  auto it = byControl.find(&control);
  return it == byControl.end() ? nullptr : &items[it->second];
}

}  // namespace dozorik::win32
