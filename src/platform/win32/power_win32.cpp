#include "platform/win32/power_win32.h"

#include <windows.h>

namespace dozorik::win32 {

bool Win32Power::suspend(bool force) {
  // Deprecated in favour of SetSuspendState (powrprof), but still exported
  // by kernel32 on every desktop Windows and needs no extra library.
  return SetSystemPowerState(TRUE, force ? TRUE : FALSE) != 0;
}

bool Win32Power::exitWindows(std::uint32_t flags) {
  // The second argument is the shut-down reason; 0 means none given.
  return ExitWindowsEx(flags, 0) != 0;
}

void Win32Power::beep(int frequency, int milliseconds) {
  Beep(static_cast<DWORD>(frequency), static_cast<DWORD>(milliseconds));
}

}  // namespace dozorik::win32
