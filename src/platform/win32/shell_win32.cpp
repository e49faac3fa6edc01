#include "platform/win32/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/system_message_win32.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

// ShellExecute answers 32 or less on failure: some of its codes are the
// system's own error codes, the others its own, which the system's texts
// name under other numbers.
DWORD errorCode(INT_PTR shellCode) {
  switch (shellCode) {
    case 0: return ERROR_OUTOFMEMORY;
    case SE_ERR_SHARE: return ERROR_SHARING_VIOLATION;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC: return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY: return ERROR_DDE_FAIL;
    case SE_ERR_DLLNOTFOUND: return ERROR_DLL_NOT_FOUND;
    default: return static_cast<DWORD>(shellCode);
  }
}

}  // namespace

std::optional<std::string> Win32Shell::open(const std::string& file,
                                            const std::string& parameters) {
  // The file and its parameters travel separately, so a path with blanks in
  // it needs no quoting. No verb: the shell uses the file type's default one.
  const std::wstring wideFile = widen(file);
  const std::wstring wideParameters = widen(parameters);
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, nullptr, wideFile.c_str(),
                    wideParameters.empty() ? nullptr : wideParameters.c_str(), nullptr,
                    SW_SHOWNORMAL));
  if (result > 32) return std::nullopt;
  return systemMessage(errorCode(result));
}

void Win32Shell::browse(const std::string& url) {
  // The verb "open" on an address starts the user's web browser with it.
  ShellExecuteW(nullptr, L"open", widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace dozorik::win32
