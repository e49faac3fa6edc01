#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/error.h"
#include "platform/remote_access.h"
#include "platform/string_table.h"
#include "texts/texts.h"

namespace dozorik {

// A refusal of the Remote Access Service, with its code.
class RasError : public Error {
 public:
  RasError(const std::string& text, std::uint32_t code) : Error(text), code_(code) {}
  std::uint32_t code() const { return code_; }

 private:
  std::uint32_t code_;
};

// The string-table entry of the RAS error message.
inline constexpr int kRasErrorFormatId = 65280;

// The readable text of a RAS or system error code.
std::string RasErrorText(RemoteAccess& ras, std::uint32_t Code);
// 0 for 0; any other code is raised as a RasError.
std::uint32_t RasCheck(RemoteAccess& ras, StringTable& strings, std::uint32_t Code);
// Hangs up and waits, up to TimeoutSeconds, for the connection to go away,
// without letting any message run; answers the last status.
std::uint32_t HangUpConnection(RemoteAccess& ras, StringTable& strings,
                               RemoteAccess::Connection Connection, int TimeoutSeconds);

// One outgoing call that only has to ring: dials asynchronously, follows
// the progress notifications in a hidden window of its own, and hangs up.
class TRasDialer {
 public:
  using DialEvent = std::function<void(TRasDialer&, std::uintptr_t state, std::intptr_t error)>;
  // Shows an error raised while handling a notification.
  using ErrorReport = std::function<void(const std::exception&)>;

  // The texts say why a number is refused before it is dialled.
  TRasDialer(RemoteAccess& ras, StringTable& strings, ErrorReport report,
             const Texts& texts = Texts());
  // Releases the hidden window; does not hang up.
  ~TRasDialer();
  TRasDialer(const TRasDialer&) = delete;
  TRasDialer& operator=(const TRasDialer&) = delete;

  void setPhoneNumber(const std::string& number) { FPhoneNumber = number; }
  // Starts the call and returns at once. A number longer than the field RAS
  // dials from is refused here, before anything is dialled.
  void Dial();
  // Hangs up and waits up to three seconds for the line to be free.
  void HangUp();

  RemoteAccess::Connection connection() const { return FConnection; }
  std::uint32_t notifyMessage() const { return FNotifyMessage; }
  RemoteAccess::Window window() const { return FHandle; }

  DialEvent FOnDialEvent;

 private:
  bool windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

  RemoteAccess& ras_;
  StringTable& strings_;
  ErrorReport report_;
  Texts texts_;
  RemoteAccess::Connection FConnection = 0;
  std::uint32_t FNotifyMessage = 0;
  RemoteAccess::Window FHandle = 0;
  std::string FPhoneNumber;
};

}  // namespace dozorik
