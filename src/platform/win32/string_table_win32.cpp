#include "platform/win32/string_table_win32.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace dozorik::win32 {

std::string Win32StringTable::load(int id) {
  // With no buffer LoadStringW hands out the resource's own text, which is
  // not zero-terminated, and its length: no limit on how long an entry is.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id),
                                 reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return {};
  return narrow(std::wstring(text, static_cast<std::size_t>(length)));
}

}  // namespace dozorik::win32
