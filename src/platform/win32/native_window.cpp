#include "platform/win32/native_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/error.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/integer_text.h"
#include "ui/label.h"
#include "ui/picture_button.h"
#include "ui/progress_bar.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"
#include "ui/status_bar.h"
#include "ui/track_bar.h"

namespace dozorik::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"DozorikForm";
constexpr wchar_t kOwnerClass[] = L"DozorikApplication";
constexpr wchar_t kPanelClass[] = L"DozorikPanel";

// Control IDs start above IDOK and IDCANCEL, which IsDialogMessage sends
// for Enter and Escape.
constexpr int kFirstControlId = 100;
// Posted to the application window when it is activated, to pass the
// activation on to the main window (or the box open over it).
constexpr UINT kActivateMain = WM_APP + 1;

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

// A control realised as a native child of the main window. The child
// windows belong to the main window and die with it.
struct Item {
  ui::Control* control = nullptr;
  HWND hwnd = nullptr;
  HWND arrows = nullptr;  // the up-down beside a spin edit
  UniqueBitmap picture;
  WNDPROC buttonProc = nullptr;  // the picture button's own procedure
  bool hot = false;              // the mouse is over the picture button
  bool hasTip = false;
};

bool isContainer(ui::Kind kind) { return kind == ui::Kind::GroupBox || kind == ui::Kind::Panel; }

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

const wchar_t* resourceName(ui::Picture picture) {
  switch (picture) {
    case ui::Picture::Eye: return L"EYE";
    case ui::Picture::Glasses: return L"GLASSES";
    case ui::Picture::QuestionMark: return L"HELP";
    case ui::Picture::Stop: return L"STOP";
    case ui::Picture::Globe: return L"GLOBE";
  }
  return L"";
}

std::wstring windowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), length + 1));
  return text;
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

// Parents before children, in declaration order: the order in which the
// classic toolkit stacks them, each later control above the earlier ones.
void collect(ui::Control& control, std::vector<ui::Control*>& out) {
  for (ui::Control* child : control.children()) {
    out.push_back(child);
    collect(*child, out);
  }
}

// Draws a bitmap leaving out the colour of its bottom-left pixel, as the
// classic flat buttons treat their pictures.
void drawTransparent(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
  UniqueMemoryDc image(CreateCompatibleDC(dc));
  SelectedObject imageBits(image.get(), bitmap);
  COLORREF key = GetPixel(image.get(), 0, height - 1);

  // Monochrome mask: white where the key colour is, black elsewhere.
  UniqueBitmap maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
  UniqueMemoryDc mask(CreateCompatibleDC(dc));
  SelectedObject maskBits(mask.get(), maskBitmap.get());
  SetBkColor(image.get(), key);
  BitBlt(mask.get(), 0, 0, width, height, image.get(), 0, 0, SRCCOPY);

  // dest ^ image, cleared where opaque, ^ image again: the picture where
  // opaque, the background where transparent.
  COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, width, height, image.get(), 0, 0, SRCINVERT);
  BitBlt(dc, x, y, width, height, mask.get(), 0, 0, SRCAND);
  BitBlt(dc, x, y, width, height, image.get(), 0, 0, SRCINVERT);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

void drawPictureButton(Item& item, const DRAWITEMSTRUCT& draw) {
  HDC dc = draw.hDC;
  RECT rect = draw.rcItem;
  bool pressed = draw.itemState & ODS_SELECTED;
  bool disabled = draw.itemState & ODS_DISABLED;
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  // Flat: a bevel only under the mouse, sunken while pressed.
  if (pressed) {
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
  } else if (item.hot && !disabled) {
    DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  }
  if (!item.picture) return;

  BITMAP info{};
  GetObjectW(item.picture.get(), sizeof info, &info);
  int shift = pressed ? 1 : 0;
  int x = rect.left + (rect.right - rect.left - info.bmWidth) / 2 + shift;
  int y = rect.top + (rect.bottom - rect.top - info.bmHeight) / 2 + shift;
  // A picture larger than the button is cut off inside the bevel.
  int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
  if (disabled) {
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(item.picture.get()), 0, x, y,
               info.bmWidth, info.bmHeight, DST_BITMAP | DSS_DISABLED);
  } else {
    drawTransparent(dc, item.picture.get(), x, y, info.bmWidth, info.bmHeight);
  }
  RestoreDC(dc, saved);
}

// Picture buttons follow the mouse so that they can show their bevel only
// while it is over them.
LRESULT CALLBACK pictureButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* item = reinterpret_cast<Item*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!item->hot) {
        item->hot = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      item->hot = false;
      InvalidateRect(hwnd, nullptr, FALSE);
      break;
  }
  return CallWindowProcW(item->buttonProc, hwnd, msg, wParam, lParam);
}

// A plain raised panel: the button face inside a one-pixel bevel. Three
// pixels wide it draws a bevelled rule.
LRESULT CALLBACK panelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDc paint(hwnd);
      RECT rect;
      GetClientRect(hwnd, &rect);
      FillRect(paint.get(), &rect, GetSysColorBrush(COLOR_BTNFACE));
      DrawEdge(paint.get(), &rect, BDR_RAISEDINNER, BF_RECT);
      return 0;
    }
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void registerClass(const wchar_t* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  // A second window in the same process finds the class already there.
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Error("Cannot create the window.");
  }
}

RECT workArea() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

}  // namespace

struct NativeWindow::Impl {
  Impl(NativeWindow& view, ui::Form& form, ui::Application& app);
  ~Impl();
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  // The window procedure of both windows: finds the Impl that created the
  // window and hands the message to its handler for that window.
  template <LRESULT (Impl::*Handler)(HWND, UINT, WPARAM, LPARAM)>
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT formMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT ownerMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  void build();
  void closeWindows();
  void setIcons(HWND hwnd);
  void createOwner();
  void createMain();
  void createControl(ui::Control& control, const ui::Control* previous);
  void createSpinArrows(Item& item, const ui::Rect& rect);
  void loadIcons();
  void centre();
  HFONT fontFor(const ui::Control& control);

  // Model to native.
  void applyText(Item& item);
  void applyChecked(Item& item);
  void applyPosition(Item& item);
  void applyRange(Item& item);
  void applyPanels(Item& item);
  void applyState(ui::Control& control);
  void applyTip(Item& item);
  void setEditText(HWND hwnd, const std::string& text);
  void applyTimer(std::size_t index);

  // Native to model.
  void command(Item& item, int code);
  void edited(Item& item);
  void spinEdited(Item& item, bool leaving);
  void slid(Item& item);
  void requestClose();
  bool askClose();
  void destroyMain();
  void restoreMain();

  Item* itemOf(HWND hwnd) const;
  Item* itemOf(const ui::Control& control) const;
  bool alive() const { return main && !tearingDown; }

  NativeWindow& view;
  ui::Form& form;
  ui::Application& app;

  // GDI objects first: they must outlive the windows that use them.
  std::map<std::tuple<std::string, int, bool>, UniqueFont> fonts;
  UniqueIcon bigIcon;
  UniqueIcon smallIcon;
  std::vector<std::unique_ptr<Item>> items;
  std::unordered_map<const ui::Control*, Item*> byControl;

  UniqueWindow owner;
  UniqueWindow main;
  UniqueWindow tips;
  HWND lastFocus = nullptr;  // the control to focus again on reactivation

  bool tearingDown = false;       // closing for good: no more model calls
  bool applyingText = false;      // an edit's text is being set from the model
  bool closeAnswered = false;     // the close query said yes to a session end
  bool hiddenByMinimize = false;  // hidden with the minimised application window
};

NativeWindow::Impl::Impl(NativeWindow& view_, ui::Form& form_, ui::Application& app_)
    : view(view_), form(form_), app(app_) {
  try {
    build();
  } catch (...) {
    closeWindows();
    throw;
  }
}

NativeWindow::Impl::~Impl() {
  std::vector<ui::Control*> controls;
  collect(form, controls);
  for (ui::Control* control : controls) control->setView(nullptr);
  form.setView(nullptr);
  for (ui::Timer* timer : form.timers()) timer->setView(nullptr);
  app.setView(nullptr);
  closeWindows();
}

void NativeWindow::Impl::build() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                           ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  registerClass(kFormClass, &Impl::windowProc<&Impl::formMessage>,
                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  registerClass(kOwnerClass, &Impl::windowProc<&Impl::ownerMessage>, nullptr);
  registerClass(kPanelClass, &panelProc, nullptr);

  loadIcons();
  createOwner();
  createMain();

  tips.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main.get(), nullptr,
                             instance(), nullptr));

  std::vector<ui::Control*> controls;
  collect(form, controls);
  const ui::Control* previous = nullptr;
  for (ui::Control* control : controls) {
    createControl(*control, previous);
    if (itemOf(*control)) previous = control;
  }
  // Children come out of CreateWindow in tab order, the first on top. Boxes
  // and panels only draw beneath the others, so they go to the bottom, each
  // container still above the ones declared before it.
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    if (isContainer((*it)->control->kind())) {
      SetWindowPos((*it)->hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }

  form.setView(&view);
  for (ui::Control* control : controls) control->setView(&view);
  app.setView(&view);
  for (std::size_t i = 0; i < form.timers().size(); ++i) {
    form.timers()[i]->setView(&view);
    applyTimer(i);
  }
}

// Destroys the windows without ending the message loop and without calls
// into the model.
void NativeWindow::Impl::closeWindows() {
  tearingDown = true;
  tips.reset();
  main.reset();
  owner.reset();
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

void NativeWindow::Impl::createMain() {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, form.clientWidth(), form.clientHeight()};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  main.reset(CreateWindowExW(0, kFormClass, widen(form.text()).c_str(), style, 0, 0,
                             frame.right - frame.left, frame.bottom - frame.top, owner.get(),
                             nullptr, instance(), this));
  if (!main) throw Error("Cannot create the window.");

  // The caption's height depends on the system's settings; correct the size
  // by what the client area really got.
  RECT client;
  GetClientRect(main.get(), &client);
  int dx = form.clientWidth() - client.right;
  int dy = form.clientHeight() - client.bottom;
  if (dx || dy) {
    SetWindowPos(main.get(), nullptr, 0, 0, frame.right - frame.left + dx,
                 frame.bottom - frame.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  centre();
  setIcons(main.get());
}

// The arrows sit at the right end of the control's place and the box takes
// the rest. They are placed here rather than by UDS_ALIGNRIGHT, whose
// placement beside a sunken box differs between Windows versions.
void NativeWindow::Impl::createSpinArrows(Item& item, const ui::Rect& r) {
  int width = std::min(GetSystemMetrics(SM_CXVSCROLL), r.width / 2);
  SetWindowPos(item.hwnd, nullptr, 0, 0, r.width - width, r.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  item.arrows = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                                WS_CHILD | WS_CLIPSIBLINGS | UDS_SETBUDDYINT | UDS_ARROWKEYS |
                                    UDS_NOTHOUSANDS,
                                r.left + r.width - width, r.top, width, r.height, main.get(),
                                nullptr, instance(), nullptr);
  if (!item.arrows) throw Error("Cannot create the window.");
  SendMessageW(item.arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(item.hwnd), 0);
  // Attaching may have moved the arrows; put them back in their place.
  SetWindowPos(item.arrows, nullptr, r.left + r.width - width, r.top, width, r.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeWindow::Impl::centre() {
  RECT area = workArea();
  RECT window;
  GetWindowRect(main.get(), &window);
  int width = window.right - window.left;
  int height = window.bottom - window.top;
  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(main.get(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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

void NativeWindow::Impl::createControl(ui::Control& control, const ui::Control* previous) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  const wchar_t* className = nullptr;
  std::wstring text = widen(control.text());
  switch (control.kind()) {
    case ui::Kind::CheckBox:
      // Not the automatic kinds: the check mark shows only what the model
      // holds, and a click asks the model.
      className = WC_BUTTONW;
      style |= BS_CHECKBOX | WS_TABSTOP;
      break;
    case ui::Kind::RadioButton:
      className = WC_BUTTONW;
      style |= BS_RADIOBUTTON | WS_TABSTOP;
      break;
    case ui::Kind::PushButton:
      className = WC_BUTTONW;
      style |= BS_PUSHBUTTON | WS_TABSTOP;
      break;
    case ui::Kind::PictureButton:
      className = WC_BUTTONW;
      style |= BS_OWNERDRAW;
      text.clear();
      break;
    case ui::Kind::GroupBox:
      className = WC_BUTTONW;
      style |= BS_GROUPBOX;
      break;
    case ui::Kind::Edit:
      className = WC_EDITW;
      style |= ES_AUTOHSCROLL | WS_TABSTOP;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case ui::Kind::SpinEdit:
      className = WC_EDITW;
      style |= ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case ui::Kind::TrackBar:
      className = TRACKBAR_CLASSW;
      style |= TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP;
      text.clear();
      break;
    case ui::Kind::ProgressBar:
      className = PROGRESS_CLASSW;
      text.clear();
      break;
    case ui::Kind::Gauge:
      className = PROGRESS_CLASSW;
      style |= PBS_SMOOTH;
      text.clear();
      break;
    case ui::Kind::Label:
      // SS_NOTIFY gives clicks and lets the tooltip see the mouse.
      className = WC_STATICW;
      style |= SS_NOTIFY | SS_NOPREFIX |
               (static_cast<ui::Label&>(control).alignment() == ui::Alignment::Centre
                    ? SS_CENTER
                    : SS_LEFTNOWORDWRAP);
      break;
    case ui::Kind::StatusBar:
      // Placed where the model says, not docked by the control itself, and
      // without a size grip: the window cannot be resized.
      className = STATUSCLASSNAMEW;
      style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
      text.clear();
      break;
    case ui::Kind::Panel:
      className = kPanelClass;
      text.clear();
      break;
    case ui::Kind::Form:
    case ui::Kind::StringGrid:
    case ui::Kind::StringList:
      // Never shown in this program: they only hold data.
      return;
  }

  // Radio buttons of one parent, created one after another, form one group
  // for the arrow keys; every other control starts a group of its own.
  bool continuesGroup = control.kind() == ui::Kind::RadioButton && previous &&
                        previous->kind() == ui::Kind::RadioButton &&
                        previous->parent() == control.parent();
  if (!continuesGroup) style |= WS_GROUP;

  auto item = std::make_unique<Item>();
  item->control = &control;
  int id = kFirstControlId + static_cast<int>(items.size());
  ui::Rect r = control.rectOnForm();
  item->hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, r.left, r.top, r.width,
                               r.height, main.get(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance(),
                               nullptr);
  if (!item->hwnd) throw Error("Cannot create the window.");
  HWND hwnd = item->hwnd;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(control)), FALSE);

  Item& it = *item;
  items.push_back(std::move(item));
  byControl[&control] = &it;

  switch (control.kind()) {
    case ui::Kind::CheckBox:
    case ui::Kind::RadioButton:
      applyChecked(it);
      break;
    case ui::Kind::Edit:
      SendMessageW(hwnd, EM_LIMITTEXT, static_cast<ui::Edit&>(control).maxLength(), 0);
      break;
    case ui::Kind::SpinEdit:
      createSpinArrows(it, r);
      applyRange(it);
      applyText(it);
      break;
    case ui::Kind::TrackBar:
    case ui::Kind::ProgressBar:
    case ui::Kind::Gauge:
      applyRange(it);
      break;
    case ui::Kind::StatusBar:
      applyPanels(it);
      break;
    case ui::Kind::PictureButton:
      // Without the picture in the resources the button stays empty.
      it.picture.reset(static_cast<HBITMAP>(LoadImageW(
          instance(),
          resourceName(static_cast<ui::PictureButton&>(control).picture()), IMAGE_BITMAP, 0,
          0, 0)));
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&it));
      it.buttonProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
          hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&pictureButtonProc)));
      break;
    default:
      break;
  }
  applyState(control);
  applyTip(it);
}

// --- Model to native -------------------------------------------------------

void NativeWindow::Impl::setEditText(HWND hwnd, const std::string& text) {
  // The model's echo of what the user just typed must leave the box alone:
  // setting its text puts the caret back at the start.
  if (windowText(hwnd) == widen(text)) return;
  bool was = std::exchange(applyingText, true);
  SetWindowTextW(hwnd, widen(text).c_str());
  applyingText = was;
}

void NativeWindow::Impl::applyText(Item& item) {
  ui::Control& control = *item.control;
  switch (control.kind()) {
    case ui::Kind::Edit:
      setEditText(item.hwnd, control.text());
      break;
    case ui::Kind::SpinEdit: {
      auto& spin = static_cast<ui::SpinEdit&>(control);
      setEditText(item.hwnd, spin.text());
      // The arrows step from the number shown. Setting their position
      // rewrites the box, so a half-typed number is left as typed.
      if (ui::integerFromText(spin.text()) == spin.value()) {
        bool was = std::exchange(applyingText, true);
        SendMessageW(item.arrows, UDM_SETPOS32, 0, spin.value());
        applyingText = was;
      }
      break;
    }
    case ui::Kind::CheckBox:
    case ui::Kind::RadioButton:
    case ui::Kind::PushButton:
    case ui::Kind::GroupBox:
    case ui::Kind::Label:
      SetWindowTextW(item.hwnd, widen(control.text()).c_str());
      break;
    default:
      break;
  }
}

void NativeWindow::Impl::applyChecked(Item& item) {
  bool checked = false;
  if (item.control->kind() == ui::Kind::CheckBox) {
    checked = static_cast<ui::CheckBox&>(*item.control).checked();
  } else if (item.control->kind() == ui::Kind::RadioButton) {
    checked = static_cast<ui::RadioButton&>(*item.control).checked();
  } else {
    return;
  }
  SendMessageW(item.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void NativeWindow::Impl::applyPosition(Item& item) {
  switch (item.control->kind()) {
    case ui::Kind::TrackBar:
      SendMessageW(item.hwnd, TBM_SETPOS, TRUE,
                   static_cast<ui::TrackBar&>(*item.control).position());
      break;
    case ui::Kind::ProgressBar:
    case ui::Kind::Gauge:
      SendMessageW(item.hwnd, PBM_SETPOS,
                   static_cast<ui::ProgressBar&>(*item.control).position(), 0);
      break;
    default:
      break;
  }
}

void NativeWindow::Impl::applyRange(Item& item) {
  switch (item.control->kind()) {
    case ui::Kind::TrackBar: {
      auto& bar = static_cast<ui::TrackBar&>(*item.control);
      SendMessageW(item.hwnd, TBM_SETRANGEMIN, FALSE, bar.minValue());
      SendMessageW(item.hwnd, TBM_SETRANGEMAX, TRUE, bar.maxValue());
      break;
    }
    case ui::Kind::ProgressBar:
    case ui::Kind::Gauge: {
      auto& bar = static_cast<ui::ProgressBar&>(*item.control);
      SendMessageW(item.hwnd, PBM_SETRANGE32, bar.minValue(), bar.maxValue());
      break;
    }
    case ui::Kind::SpinEdit: {
      auto& spin = static_cast<ui::SpinEdit&>(*item.control);
      SendMessageW(item.arrows, UDM_SETRANGE32, spin.minValue(), spin.maxValue());
      break;
    }
    default:
      return;
  }
  applyPosition(item);
}

void NativeWindow::Impl::applyPanels(Item& item) {
  auto& bar = static_cast<ui::StatusBar&>(*item.control);
  std::vector<int> edges;
  int right = 0;
  for (int i = 0; i < bar.panelCount(); ++i) {
    right += bar.panelWidth(i);
    // The last panel reaches the right edge of the bar.
    edges.push_back(i + 1 < bar.panelCount() ? right : -1);
  }
  SendMessageW(item.hwnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < bar.panelCount(); ++i) {
    // A leading tab centres a status bar text.
    std::wstring text = L"\t" + widen(bar.panelText(i));
    SendMessageW(item.hwnd, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void NativeWindow::Impl::applyState(ui::Control& control) {
  if (Item* item = itemOf(control)) {
    int show = shownOnForm(control) ? SW_SHOWNA : SW_HIDE;
    BOOL enable = enabledOnForm(control);
    for (HWND hwnd : {item->hwnd, item->arrows}) {
      if (!hwnd) continue;
      ShowWindow(hwnd, show);
      EnableWindow(hwnd, enable);
    }
  }
  for (ui::Control* child : control.children()) applyState(*child);
}

void NativeWindow::Impl::applyTip(Item& item) {
  if (!tips) return;
  std::wstring text = widen(item.control->hint());
  TTTOOLINFOW tool{};
  // The older, shorter structure: the version 5 controls refuse the newer.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = main.get();
  tool.uId = reinterpret_cast<UINT_PTR>(item.hwnd);
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

void NativeWindow::Impl::applyTimer(std::size_t index) {
  if (!alive()) return;
  ui::Timer& timer = *form.timers()[index];
  UINT_PTR id = index + 1;
  // SetTimer on a running id restarts its count with the new interval.
  if (timer.enabled() && timer.interval() > 0) {
    SetTimer(main.get(), id, static_cast<UINT>(timer.interval()), nullptr);
  } else {
    KillTimer(main.get(), id);
  }
}

// --- Native to model -------------------------------------------------------

void NativeWindow::Impl::command(Item& item, int code) {
  ui::Control& control = *item.control;
  switch (control.kind()) {
    case ui::Kind::CheckBox:
      if (code == BN_CLICKED) app.dispatch([&] { static_cast<ui::CheckBox&>(control).click(); });
      break;
    case ui::Kind::RadioButton:
      if (code == BN_CLICKED) {
        app.dispatch([&] { static_cast<ui::RadioButton&>(control).click(); });
      }
      break;
    case ui::Kind::PushButton:
      if (code == BN_CLICKED) {
        app.dispatch([&] { static_cast<ui::PushButton&>(control).click(); });
      }
      break;
    case ui::Kind::PictureButton:
      if (code == BN_CLICKED) {
        app.dispatch([&] { static_cast<ui::PictureButton&>(control).click(); });
      }
      break;
    case ui::Kind::Label:
      if (code == STN_CLICKED) app.dispatch([&] { static_cast<ui::Label&>(control).click(); });
      break;
    case ui::Kind::Edit:
      if (code == EN_CHANGE) edited(item);
      break;
    case ui::Kind::SpinEdit:
      if (code == EN_CHANGE) spinEdited(item, false);
      if (code == EN_KILLFOCUS) spinEdited(item, true);
      break;
    default:
      break;
  }
}

void NativeWindow::Impl::edited(Item& item) {
  if (applyingText) return;
  auto& edit = static_cast<ui::Edit&>(*item.control);
  std::string text = narrow(windowText(item.hwnd));
  if (text == edit.text()) return;
  app.dispatch([&] { edit.type(text); });
  // A box that did not take the text shows the model's text again.
  if (alive() && item.hwnd && edit.text() != text) setEditText(item.hwnd, edit.text());
}

// Every text the user types reaches the model, half-typed numbers too: the
// model reads its value from the text when asked. Leaving the box makes it
// show that value.
void NativeWindow::Impl::spinEdited(Item& item, bool leaving) {
  if (applyingText) return;
  auto& spin = static_cast<ui::SpinEdit&>(*item.control);
  std::string text = narrow(windowText(item.hwnd));
  if (text != spin.text()) app.dispatch([&] { spin.type(text); });
  if (leaving) app.dispatch([&] { spin.leave(); });
  if (leaving && alive() && item.hwnd && narrow(windowText(item.hwnd)) != spin.text()) {
    applyText(item);
  }
}

void NativeWindow::Impl::slid(Item& item) {
  auto& bar = static_cast<ui::TrackBar&>(*item.control);
  int position = static_cast<int>(SendMessageW(item.hwnd, TBM_GETPOS, 0, 0));
  app.dispatch([&] { bar.slide(position); });
  if (alive() && item.hwnd && bar.position() != position) applyPosition(item);
}

bool NativeWindow::Impl::askClose() {
  bool canClose = false;
  app.dispatch([&] { canClose = form.closeQuery(); });
  return canClose;
}

void NativeWindow::Impl::requestClose() {
  if (askClose()) destroyMain();
}

void NativeWindow::Impl::destroyMain() {
  tips.reset();
  main.reset();
}

Item* NativeWindow::Impl::itemOf(HWND hwnd) const {
  if (!hwnd) return nullptr;
  int index = GetDlgCtrlID(hwnd) - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
  Item* item = items[index].get();
  return item->hwnd == hwnd ? item : nullptr;
}

Item* NativeWindow::Impl::itemOf(const ui::Control& control) const {
  auto it = byControl.find(&control);
  return it == byControl.end() ? nullptr : it->second;
}

// --- Window procedures -----------------------------------------------------

template <LRESULT (NativeWindow::Impl::*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK NativeWindow::Impl::windowProc(HWND hwnd, UINT msg, WPARAM wParam,
                                                 LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Impl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return (self->*Handler)(hwnd, msg, wParam, lParam);
}

// Shows the main window again once the application window is no longer
// minimised.
void NativeWindow::Impl::restoreMain() {
  if (!hiddenByMinimize || !alive() || IsIconic(owner.get())) return;
  hiddenByMinimize = false;
  ShowWindow(main.get(), SW_SHOW);
  SetActiveWindow(main.get());
}

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
      // the main window, or the message box open over it.
      restoreMain();
      if (alive() && GetActiveWindow() == hwnd && !IsIconic(hwnd)) {
        HWND target = GetLastActivePopup(main.get());
        if (!IsWindowVisible(target) || !IsWindowEnabled(target)) target = main.get();
        if (IsWindowVisible(target) && IsWindowEnabled(target)) SetActiveWindow(target);
      }
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
      if (!tearingDown) {
        if (Item* item = itemOf(reinterpret_cast<HWND>(lParam))) command(*item, HIWORD(wParam));
      }
      return 0;

    case WM_HSCROLL:
      if (!tearingDown) {
        Item* item = itemOf(reinterpret_cast<HWND>(lParam));
        if (item && item->control->kind() == ui::Kind::TrackBar) slid(*item);
      }
      return 0;

    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      Item* item = itemOf(draw->hwndItem);
      if (!item || item->control->kind() != ui::Kind::PictureButton) break;
      drawPictureButton(*item, *draw);
      return TRUE;
    }

    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: {
      // Text in the control's font colour on the button face; typing areas
      // keep the window colour.
      HDC dc = reinterpret_cast<HDC>(wParam);
      Item* item = itemOf(reinterpret_cast<HWND>(lParam));
      ui::Font font = item ? item->control->font() : form.font();
      int background = msg == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE;
      SetTextColor(dc, colourOf(font.colour));
      SetBkColor(dc, GetSysColor(background));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
    }

    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        if (Item* item = itemOf(reinterpret_cast<HWND>(wParam))) {
          ui::Cursor cursor = item->control->cursor();
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

    case WM_SYSCOMMAND:
      // Minimising goes through the application window, which keeps the
      // taskbar button. The main window is hidden here rather than left to
      // the system, which does not hide every kind of owned window.
      if ((wParam & 0xFFF0) == SC_MINIMIZE && owner) {
        hiddenByMinimize = true;
        ShowWindow(hwnd, SW_HIDE);
        ShowWindow(owner.get(), SW_MINIMIZE);
        return 0;
      }
      break;

    case WM_CLOSE:
      if (alive()) requestClose();
      return 0;

    case WM_QUERYENDSESSION:
      // Windows shuts down, restarts or logs off: the close query decides,
      // and saves the settings on its way.
      if (!alive()) return TRUE;
      closeAnswered = askClose();
      return closeAnswered;

    case WM_ENDSESSION:
      if (wParam && alive()) {
        if (!closeAnswered) askClose();
        destroyMain();
      }
      closeAnswered = false;
      return 0;

    case WM_DESTROY:
      // Closing the window ends the program's message loop, and its taskbar
      // button goes at once; tearing the object down does neither.
      if (!tearingDown) {
        if (owner) ShowWindow(owner.get(), SW_HIDE);
        PostQuitMessage(0);
      }
      break;

    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      main.release();
      tips.release();  // an owned window: gone with the main window
      lastFocus = nullptr;
      for (auto& item : items) {
        item->hwnd = nullptr;
        item->arrows = nullptr;
        item->hasTip = false;
      }
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// --- NativeWindow ----------------------------------------------------------

NativeWindow::NativeWindow(ui::Form& form, ui::Application& application)
    : impl_(std::make_unique<Impl>(*this, form, application)) {}

NativeWindow::~NativeWindow() = default;

void NativeWindow::show() {
  if (!impl_->alive()) return;
  impl_->centre();
  ShowWindow(impl_->owner.get(), SW_SHOWNOACTIVATE);
  ShowWindow(impl_->main.get(), SW_SHOWNORMAL);
  UpdateWindow(impl_->main.get());
  SetForegroundWindow(impl_->main.get());
  if (!impl_->lastFocus) {
    if (HWND first = GetNextDlgTabItem(impl_->main.get(), nullptr, FALSE)) SetFocus(first);
  }
}

int NativeWindow::runMessageLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return -1;
    if (impl_->alive() && IsDialogMessageW(impl_->main.get(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void NativeWindow::close() {
  if (impl_->alive()) SendMessageW(impl_->main.get(), WM_CLOSE, 0, 0);
}

bool NativeWindow::isOpen() const { return impl_->alive(); }

void* NativeWindow::handle() const { return impl_->main.get(); }

void* NativeWindow::ownerHandle() const { return impl_->owner.get(); }

void* NativeWindow::nativeControl(const ui::Control& control) const {
  if (&control == &impl_->form) return impl_->main.get();
  Item* item = impl_->itemOf(control);
  return item ? item->hwnd : nullptr;
}

void* NativeWindow::spinArrows(const ui::Control& control) const {
  Item* item = impl_->itemOf(control);
  return item ? item->arrows : nullptr;
}

void NativeWindow::changed(ui::Control& control, ui::Property property) {
  // The model outlives the window: after it closed, changes go nowhere.
  if (!impl_ || !impl_->alive()) return;
  if (&control == &impl_->form) {
    if (property == ui::Property::Text) {
      SetWindowTextW(impl_->main.get(), widen(control.text()).c_str());
    } else if (property == ui::Property::Enabled) {
      EnableWindow(impl_->main.get(), control.enabled());
    }
    return;
  }
  if (property == ui::Property::Visible || property == ui::Property::Enabled) {
    impl_->applyState(control);
    return;
  }
  Item* item = impl_->itemOf(control);
  if (!item || !item->hwnd) return;
  switch (property) {
    case ui::Property::Text: impl_->applyText(*item); break;
    case ui::Property::Checked: impl_->applyChecked(*item); break;
    case ui::Property::Position: impl_->applyPosition(*item); break;
    case ui::Property::Range: impl_->applyRange(*item); break;
    case ui::Property::Hint: impl_->applyTip(*item); break;
    case ui::Property::Panels: impl_->applyPanels(*item); break;
    default: break;
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
