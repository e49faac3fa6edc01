#include "platform/win32/clock_win32.h"

#include <windows.h>

namespace dozorik::win32 {

LocalTime Win32Clock::now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  LocalTime out;
  out.year = t.wYear;
  out.month = t.wMonth;
  out.day = t.wDay;
  out.hour = t.wHour;
  out.minute = t.wMinute;
  out.second = t.wSecond;
  out.milliseconds = t.wMilliseconds;
  return out;
}

// New in Vista, the floor; 64 bits: no wrap after 49 days.
std::uint64_t Win32Clock::milliseconds() { return GetTickCount64(); }

}  // namespace dozorik::win32
