#pragma once

#include <cstdint>

#include "platform/power.h"

namespace dozorik::win32 {

// Suspend, shut-down and restart requests, and the PC speaker.
class Win32Power : public Power {
 public:
  bool suspend(bool force) override;
  bool exitWindows(std::uint32_t flags) override;
  void beep(int frequency, int milliseconds) override;
};

}  // namespace dozorik::win32
