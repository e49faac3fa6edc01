// The flat picture button: an owner-drawn button that shows a bitmap from
// the resources, with a bevel only while the mouse is over it.

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/control_binding_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_class_win32.h"
#include "ui/picture_button.h"

namespace dozorik::win32 {

namespace {

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

class PictureButtonBinding final : public BindingOf<ui::PictureButton> {
 public:
  using BindingOf::BindingOf;
  void command(int code) override {
    if (code == BN_CLICKED) dispatch([this] { model().click(); });
  }
  bool draw(const DRAWITEMSTRUCT& draw) override;

 private:
  Native native() const override { return {WC_BUTTONW, BS_OWNERDRAW, 0, false}; }
  void created(HWND) override;
  static LRESULT CALLBACK buttonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  UniqueBitmap picture_;
  WNDPROC systemProc_ = nullptr;  // the Button class's own procedure
  bool hot_ = false;              // the mouse is over the button
};

void PictureButtonBinding::created(HWND) {
  // Without the picture in the resources the button stays empty.
  picture_.reset(static_cast<HBITMAP>(
      LoadImageW(instance(), resourceName(model().picture()), IMAGE_BITMAP, 0, 0, 0)));
  SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  systemProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&buttonProc)));
}

// The button follows the mouse so that it can show its bevel only while the
// mouse is over it.
LRESULT CALLBACK PictureButtonBinding::buttonProc(HWND hwnd, UINT msg, WPARAM wParam,
                                                  LPARAM lParam) {
  auto* self = reinterpret_cast<PictureButtonBinding*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!self->hot_) {
        self->hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      self->hot_ = false;
      InvalidateRect(hwnd, nullptr, FALSE);
      break;
  }
  return CallWindowProcW(self->systemProc_, hwnd, msg, wParam, lParam);
}

bool PictureButtonBinding::draw(const DRAWITEMSTRUCT& draw) {
  HDC dc = draw.hDC;
  RECT rect = draw.rcItem;
  bool pressed = draw.itemState & ODS_SELECTED;
  bool disabled = draw.itemState & ODS_DISABLED;
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  // Flat: a bevel only under the mouse, sunken while pressed.
  if (pressed) {
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_ && !disabled) {
    DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  }
  if (!picture_) return true;

  BITMAP info{};
  GetObjectW(picture_.get(), sizeof info, &info);
  int shift = pressed ? 1 : 0;
  int x = rect.left + (rect.right - rect.left - info.bmWidth) / 2 + shift;
  int y = rect.top + (rect.bottom - rect.top - info.bmHeight) / 2 + shift;
  // A picture larger than the button is cut off inside the bevel.
  int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
  if (disabled) {
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(picture_.get()), 0, x, y,
               info.bmWidth, info.bmHeight, DST_BITMAP | DSS_DISABLED);
  } else {
    drawTransparent(dc, picture_.get(), x, y, info.bmWidth, info.bmHeight);
  }
  RestoreDC(dc, saved);
  return true;
}

}  // namespace

std::unique_ptr<ControlBinding> bindPictureButton(ui::Control& control, ui::Application& app) {
  return std::make_unique<PictureButtonBinding>(static_cast<ui::PictureButton&>(control), app);
}

}  // namespace dozorik::win32
