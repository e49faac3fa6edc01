#include "platform/win32/process_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

// The longest path Windows hands out, in characters, NUL included.
constexpr DWORD kMaxLongPath = 32768;

// CommandLineToArgvW's array lives in one LocalAlloc block.
using ArgumentBlock = UniqueLocal<wchar_t*>;

}  // namespace

Win32Process::Win32Process() {
  // The length asked first includes the terminating NUL; the copy's does not.
  std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
  if (length > 0 && length < folder.size()) startFolder_ = narrow(folder.substr(0, length));
}

std::string Win32Process::modulePath() {
  // GetModuleFileNameW truncates silently (filling the buffer) when the
  // path is longer than MAX_PATH, so grow until it fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size() || path.size() >= kMaxLongPath) {
      path.resize(length);
      return narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::string Win32Process::computerName() {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
  if (!GetComputerNameW(name, &length)) return {};
  return narrow(std::wstring(name, length));
}

std::vector<std::string> Win32Process::arguments() {
  int count = 0;
  ArgumentBlock argv(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> out;
  if (!argv) return out;
  // The first entry is the program's own name.
  for (int i = 1; i < count; ++i) out.push_back(narrow(argv.get()[i]));
  return out;
}

}  // namespace dozorik::win32
