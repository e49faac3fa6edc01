#include "platform/win32/screen_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/win32/handles.h"

namespace dozorik::win32 {

namespace {

// The program is not DPI aware, on purpose: its window is laid out in
// pixels and the system scales it. At 125 to 200 % such a program sees a
// scaled-down screen, and a copy of it would hold only its top-left part.
// Around the copy only, the thread sees the screen in its real pixels
// (Windows 10 1607 and later; elsewhere nothing is scaled to begin with).
class PhysicalPixels {
 public:
  PhysicalPixels() {
    using SetContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    set_ = reinterpret_cast<SetContextFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    if (!set_) return;
    previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    // Before Windows 10 1703 the second version is unknown.
    if (!previous_) previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  }
  ~PhysicalPixels() {
    if (previous_) set_(previous_);
  }
  PhysicalPixels(const PhysicalPixels&) = delete;
  PhysicalPixels& operator=(const PhysicalPixels&) = delete;

 private:
  DPI_AWARENESS_CONTEXT(WINAPI* set_)(DPI_AWARENESS_CONTEXT) = nullptr;
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

}  // namespace

bool Win32Screen::capturePrimaryDisplay(ScreenPicture& picture) {
  const PhysicalPixels physical;
  // At least one pixel, so that even a refused capture is a valid bitmap.
  picture.width = std::max(1, GetSystemMetrics(SM_CXSCREEN));
  picture.height = std::max(1, GetSystemMetrics(SM_CYSCREEN));
  const auto width = static_cast<std::size_t>(picture.width);
  const auto height = static_cast<std::size_t>(picture.height);
  const std::size_t row = width * 3;
  picture.pixels.assign(row * height, 0);

  // Every object below is freed on the way out; they are declared in the
  // order that lets the bitmap be deselected before it and the memory
  // context are deleted, and the desktop's context released last. Windows
  // refuses the desktop's context, or the copy, while the workstation is
  // locked or a secure desktop shows; the picture then stays black.
  HWND source = source_ ? static_cast<HWND>(source_) : GetDesktopWindow();
  WindowDc screen = WindowDc::whole(source);
  if (!screen) return false;
  UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  if (!memory) return false;

  // A top-down 24-bit section: rows come out from the top in blue, green,
  // red order whatever the display's own depth, each row padded to 4 bytes.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return false;
  const std::size_t stride = (row + 3) & ~std::size_t{3};
  std::memset(bits, 0, stride * height);
  SelectedObject selected(memory.get(), bitmap.get());
  if (!selected) return false;

  const bool copied =
      BitBlt(memory.get(), 0, 0, picture.width, picture.height, screen.get(), 0, 0, SRCCOPY);
  GdiFlush();  // the copy may still be queued; the section's memory must hold it

  // What the copy gave, also when it gave up part of the way.
  const auto* from = static_cast<const unsigned char*>(bits);
  for (std::size_t y = 0; y < height; ++y) {
    std::memcpy(picture.pixels.data() + y * row, from + y * stride, row);
  }
  return copied;
}

}  // namespace dozorik::win32
