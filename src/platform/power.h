#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dozorik {

// Sleep, hibernation, shut-down and restart requests, the displays, the
// speaker, and the request that keeps the machine awake.
class Power {
 public:
  static constexpr std::uint32_t kShutdown = 1;        // EWX_SHUTDOWN
  static constexpr std::uint32_t kReboot = 2;          // EWX_REBOOT
  static constexpr std::uint32_t kForce = 4;           // EWX_FORCE
  static constexpr std::uint32_t kPowerOff = 8;        // EWX_POWEROFF
  static constexpr std::uint32_t kForceIfHung = 0x10;  // EWX_FORCEIFHUNG
  // SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_APPLICATION |
  // SHTDN_REASON_MINOR_OTHER: a planned end, which Windows neither logs as
  // unexpected nor delays for a state dump (0, no reason, counts as unplanned).
  static constexpr std::uint32_t kPlannedByApplication = 0x80040000;

  // The sleep states the machine offers.
  struct Capabilities {
    bool sleepStates = false;    // S1, S2 or S3
    bool modernStandby = false;  // S0 low-power idle (AoAc)
    bool hibernation = false;    // a hibernation file is present
  };

  // What keeps the machine up while a watch needs it.
  enum class Awake { No, System, Display };

  // The system's reason when it refused a request; nothing when it agreed.
  using Refusal = std::optional<std::string>;

  virtual ~Power() = default;
  // Nothing where the system can't tell (before the call existed, or it failed).
  virtual std::optional<Capabilities> capabilities() = 0;
  // Asks the system to sleep, or to hibernate (SetSystemPowerState, forced).
  virtual Refusal suspend(bool hibernate) = 0;
  // Asks the system to end the session as the flags say (ExitWindowsEx).
  virtual Refusal exitWindows(std::uint32_t flags, std::uint32_t reason) = 0;
  // Turns the displays off, which is how a Modern Standby machine goes to
  // standby by itself.
  virtual void displaysOff() = 0;
  // Plays one tone and returns when it has ended; false when the system
  // could not play it.
  virtual bool beep(int frequency, int milliseconds) = 0;
  // Asks the system to stay up (and its displays on), or lets it go again;
  // false when the system took no request.
  virtual bool keepAwake(Awake level) = 0;
};

}  // namespace dozorik
