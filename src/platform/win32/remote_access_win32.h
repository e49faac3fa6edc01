#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/remote_access.h"

namespace dozorik::win32 {

// The Remote Access Service of rasapi32.dll, loaded when the adapter is made:
// a system without it still runs the program, and every call then answers
// ERROR_CALL_NOT_IMPLEMENTED instead of failing to start.
class Win32RemoteAccess : public RemoteAccess {
 public:
  Win32RemoteAccess();
  // Destroys any notify window still open.
  ~Win32RemoteAccess() override;
  Win32RemoteAccess(const Win32RemoteAccess&) = delete;
  Win32RemoteAccess& operator=(const Win32RemoteAccess&) = delete;

  std::uint32_t registerDialEventMessage() override;
  Window createNotifyWindow(MessageHandler handler) override;
  void destroyNotifyWindow(Window window) override;
  std::uint32_t dial(const std::string& phoneNumber, Window notifier,
                     Connection& connection) override;
  std::uint32_t hangUp(Connection connection) override;
  std::uint32_t connectStatus(Connection connection) override;
  std::optional<std::string> errorString(std::uint32_t code) override;
  std::string systemMessage(std::uint32_t code) override;
  void sleep(int milliseconds) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace dozorik::win32
