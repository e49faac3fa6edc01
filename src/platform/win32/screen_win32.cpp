#include "platform/win32/screen_win32.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

#include "platform/error.h"
#include "platform/win32/handles.h"

namespace dozorik::win32 {
namespace {

[[noreturn]] void fail() { throw Error("Unable to capture the screen"); }

}  // namespace

ScreenPicture Win32Screen::capturePrimaryDisplay() {
  ScreenPicture picture;
  picture.width = GetSystemMetrics(SM_CXSCREEN);
  picture.height = GetSystemMetrics(SM_CYSCREEN);
  if (picture.width <= 0 || picture.height <= 0) fail();

  // Every object below is freed on the way out, thrown or not; they are
  // declared in the order that lets the bitmap be deselected before it and
  // the memory context are deleted, and the desktop's context released last.
  WindowDc screen = WindowDc::whole(GetDesktopWindow());
  if (!screen) fail();
  UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  if (!memory) fail();

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
  UniqueBitmap bitmap(
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) fail();
  SelectedObject selected(memory.get(), bitmap.get());
  if (!selected) fail();

  if (!BitBlt(memory.get(), 0, 0, picture.width, picture.height, screen.get(), 0, 0, SRCCOPY)) {
    fail();
  }
  GdiFlush();  // the copy may still be queued; the section's memory must hold it

  const auto width = static_cast<std::size_t>(picture.width);
  const auto height = static_cast<std::size_t>(picture.height);
  const std::size_t row = width * 3;
  const std::size_t stride = (row + 3) & ~std::size_t{3};
  picture.pixels.resize(row * height);
  const auto* source = static_cast<const unsigned char*>(bits);
  for (std::size_t y = 0; y < height; ++y) {
    std::memcpy(picture.pixels.data() + y * row, source + y * stride, row);
  }
  return picture;
}

}  // namespace dozorik::win32
