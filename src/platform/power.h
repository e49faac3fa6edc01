#pragma once

#include <cstdint>

namespace dozorik {

// Sleep, shut-down and restart requests, and the speaker.
class Power {
 public:
  static constexpr std::uint32_t kShutdown = 1;  // EWX_SHUTDOWN
  static constexpr std::uint32_t kReboot = 2;    // EWX_REBOOT
  static constexpr std::uint32_t kForce = 4;     // EWX_FORCE
  static constexpr std::uint32_t kPowerOff = 8;  // EWX_POWEROFF

  virtual ~Power() = default;
  // Asks the system to suspend (SetSystemPowerState); true when it agreed.
  virtual bool suspend(bool force) = 0;
  // Asks the system to end the session as the flags say (ExitWindowsEx);
  // true when it accepted the request.
  virtual bool exitWindows(std::uint32_t flags) = 0;
  // Plays one tone and returns when it has ended.
  virtual void beep(int frequency, int milliseconds) = 0;
  // Asks the system not to sleep by itself, or lets it again: a busy
  // processor is no activity in its eyes. Nothing where it can't be asked.
  virtual void keepSystemAwake(bool awake) = 0;
};

}  // namespace dozorik
