#include "platform/win32/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace dozorik::win32 {

void Win32Shell::open(const std::string& file) {
  // No verb: the shell uses the file type's default one. A failure is the
  // user's to see (nothing opens); the program doesn't report it.
  ShellExecuteW(nullptr, nullptr, widen(file).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace dozorik::win32
