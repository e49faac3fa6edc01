#pragma once

#include "platform/clock.h"

namespace dozorik::win32 {

// The local wall-clock time.
class Win32Clock : public Clock {
 public:
  LocalTime now() override;
};

}  // namespace dozorik::win32
