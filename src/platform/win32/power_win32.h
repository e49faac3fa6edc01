#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/power.h"
#include "platform/win32/handles.h"

namespace dozorik::win32 {

// Sleep, hibernation, shut-down and restart requests, the displays, the PC
// speaker, and the request that keeps the machine up. Calls newer than
// Vista, or in a library Vista may lack, are looked up at run time.
class Win32Power : public Power {
 public:
  Win32Power();
  ~Win32Power() override;
  Win32Power(const Win32Power&) = delete;
  Win32Power& operator=(const Win32Power&) = delete;

  // The program's own window (an HWND), through which the displays are
  // turned off.
  void setWindow(void* window) { window_ = window; }
  // What powercfg /requests shows as the reason the machine stays up, in
  // the program's language; from the next request on.
  void setRequestReason(const std::string& reason);

  std::optional<Capabilities> capabilities() override;
  Refusal suspend(bool hibernate) override;
  Refusal exitWindows(std::uint32_t flags, std::uint32_t reason) override;
  void displaysOff() override;
  bool beep(int frequency, int milliseconds) override;
  bool keepAwake(Awake level) override;

  // Whether the request to stay up goes through a power request (Windows 7
  // and later), which powercfg /requests lists with its reason.
  bool usesPowerRequests() const;

 private:
  struct Calls;
  std::unique_ptr<Calls> calls_;
  void* window_ = nullptr;
  std::wstring reason_;
  UniqueHandle request_;  // the power request that is set, if any
  Awake level_ = Awake::No;
  bool executionStateSet_ = false;  // the fallback holds the thread's state
};

}  // namespace dozorik::win32
