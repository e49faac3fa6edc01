#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace dozorik {

// The Remote Access Service for one dial-up call, and the hidden window
// that receives its progress notifications.
class RemoteAccess {
 public:
  using Connection = std::uintptr_t;  // 0: no connection
  using Window = std::uintptr_t;
  // Runs for every message of a notify window; answers whether it was handled.
  using MessageHandler =
      std::function<bool(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)>;

  static constexpr std::uint32_t kFixedNotifyMessage = 0xCCCD;
  static constexpr std::uintptr_t kDisconnected = 0x2001;  // RASCS_Disconnected
  static constexpr std::uint32_t kInvalidHandle = 6;       // ERROR_INVALID_HANDLE
  static constexpr std::size_t kMaxPhoneNumber = 128;      // RAS_MaxPhoneNumber

  virtual ~RemoteAccess() = default;

  // The message number registered for "RasDialEvent"; 0 on failure.
  virtual std::uint32_t registerDialEventMessage() = 0;
  // A hidden window whose messages the handler sees first.
  virtual Window createNotifyWindow(MessageHandler handler) = 0;
  virtual void destroyNotifyWindow(Window window) = 0;

  // Starts dialling the number on the first modem, with no phone-book entry;
  // the notify window receives the progress. 0 when the call has started.
  virtual std::uint32_t dial(const std::string& phoneNumber, Window notifier,
                             Connection& connection) = 0;
  virtual std::uint32_t hangUp(Connection connection) = 0;
  // The status call's result; kInvalidHandle once the connection is gone.
  virtual std::uint32_t connectStatus(Connection connection) = 0;
  // The text RAS has for one of its codes; nothing when it has none.
  virtual std::optional<std::string> errorString(std::uint32_t code) = 0;
  // The system's message text for an error code.
  virtual std::string systemMessage(std::uint32_t code) = 0;
  virtual void sleep(int milliseconds) = 0;
};

}  // namespace dozorik
