#include "platform/win32/screen_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/win32/handles.h"

namespace dozorik::win32 {

bool Win32Screen::capturePrimaryDisplay(ScreenPicture& picture) {
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
