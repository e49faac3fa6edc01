#include "platform/win32/power_win32.h"

#include <windows.h>

namespace dozorik::win32 {

// Looked up rather than imported, so that a Windows without it still runs
// the program; there the system may simply sleep.
Win32Power::Win32Power()
    : setExecutionState_(reinterpret_cast<ExecutionStateFn>(reinterpret_cast<void (*)()>(
          GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetThreadExecutionState")))) {}

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

void Win32Power::keepSystemAwake(bool awake) {
  if (!setExecutionState_) return;
  // Continuous: the request holds for this thread until it is changed.
  setExecutionState_(ES_CONTINUOUS | (awake ? ES_SYSTEM_REQUIRED : 0));
}

}  // namespace dozorik::win32
