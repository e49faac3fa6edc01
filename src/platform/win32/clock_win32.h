#pragma once

#include "platform/clock.h"

namespace dozorik::win32 {

// The local wall-clock time, and the system's tick count.
class Win32Clock : public Clock {
 public:
  LocalTime now() override;
  std::uint64_t milliseconds() override;
};

}  // namespace dozorik::win32
