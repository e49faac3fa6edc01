#pragma once

#include <cstdint>

#include "platform/power.h"

namespace dozorik::win32 {

// Suspend, shut-down and restart requests, the PC speaker, and the request
// that keeps the system awake.
class Win32Power : public Power {
 public:
  Win32Power();

  bool suspend(bool force) override;
  bool exitWindows(std::uint32_t flags) override;
  void beep(int frequency, int milliseconds) override;
  void keepSystemAwake(bool awake) override;

 private:
  using ExecutionStateFn = std::uint32_t(__stdcall*)(std::uint32_t);
  ExecutionStateFn setExecutionState_ = nullptr;
};

}  // namespace dozorik::win32
