#include "platform/win32/system_library_win32.h"

#include <string>

namespace dozorik::win32 {

UniqueLibrary loadSystemLibrary(const wchar_t* name) {
  // LOAD_LIBRARY_SEARCH_SYSTEM32 would say the same, but Vista and 7 know
  // it only with an update; a full path works everywhere.
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return UniqueLibrary{};
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  return UniqueLibrary{LoadLibraryW(path.c_str())};
}

}  // namespace dozorik::win32
