#include "platform/win32/text_measure_win32.h"

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {

int Win32TextMeasure::width(const std::string& text, const std::string& fontFace,
                            int fontHeight, bool bold) {
  if (text.empty()) return 0;
  // Called a few times per user action at most: a fresh font and context
  // each time costs nothing worth caching, and keeps the object stateless.
  WindowDc screen(nullptr, GetDC(nullptr));
  if (!screen) return 0;
  UniqueFont font(CreateFontW(fontHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                              FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                              widen(fontFace).c_str()));
  if (!font) return 0;
  SelectedObject selected(screen.get(), font.get());
  const std::wstring wide = widen(text);
  SIZE size{};
  if (!GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size)) {
    return 0;
  }
  return size.cx;
}

}  // namespace dozorik::win32
