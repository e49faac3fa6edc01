#include "platform/win32/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace dozorik::win32 {

void Win32Shell::open(const std::string& file, const std::string& parameters) {
  // The file and its parameters travel separately, so a path with blanks in
  // it needs no quoting. No verb: the shell uses the file type's default one.
  // A failure is the user's to see (nothing opens); the program doesn't
  // report it.
  const std::wstring wideFile = widen(file);
  const std::wstring wideParameters = widen(parameters);
  ShellExecuteW(nullptr, nullptr, wideFile.c_str(),
                wideParameters.empty() ? nullptr : wideParameters.c_str(), nullptr,
                SW_SHOWNORMAL);
}

void Win32Shell::browse(const std::string& url) {
  // The verb "open" on an address starts the user's web browser with it.
  ShellExecuteW(nullptr, L"open", widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace dozorik::win32
