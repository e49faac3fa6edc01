#include "actions/ras_dialer.h"

namespace dozorik {

namespace {

constexpr std::uint32_t kFirstRasError = 600;
constexpr std::uint32_t kLastRasError = 798;
constexpr int kHangUpSeconds = 3;
constexpr int kStatusPollMs = 100;

std::string replaced(std::string text, const std::string& placeholder, const std::string& by) {
  const std::size_t at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, placeholder.size(), by);
  return text;
}

}  // namespace

std::string RasErrorText(RemoteAccess& ras, std::uint32_t Code) {
  if (Code >= kFirstRasError && Code <= kLastRasError) return ras.errorString(Code).value_or("");
  std::string text = ras.systemMessage(Code);
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}

std::uint32_t RasCheck(RemoteAccess& ras, StringTable& strings, std::uint32_t Code) {
  if (Code == 0) return 0;
  std::string format = strings.load(kRasErrorFormatId);
  if (format.empty()) format = "RAS Error code: %d.\n\"%s\"";
  throw RasError(replaced(replaced(format, "%d", std::to_string(Code)), "%s",
                          RasErrorText(ras, Code)),
                 Code);
}

std::uint32_t HangUpConnection(RemoteAccess& ras, StringTable& strings,
                               RemoteAccess::Connection Connection, int TimeoutSeconds) {
  RasCheck(ras, strings, ras.hangUp(Connection));
  int countdown = TimeoutSeconds * 10;
  std::uint32_t status = 0;
  do {
    ras.sleep(kStatusPollMs);
    --countdown;
    status = ras.connectStatus(Connection);
  } while (countdown > 0 && status != RemoteAccess::kInvalidHandle);
  return status;
}

TRasDialer::TRasDialer(RemoteAccess& ras, StringTable& strings, ErrorReport report,
                       const Texts& texts)
    : ras_(ras), strings_(strings), report_(std::move(report)), texts_(texts) {
  FNotifyMessage = ras_.registerDialEventMessage();
  if (FNotifyMessage == 0) FNotifyMessage = RemoteAccess::kFixedNotifyMessage;
  FHandle = ras_.createNotifyWindow(
      [this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
        return windowMessage(message, wParam, lParam);
      });
}

TRasDialer::~TRasDialer() { ras_.destroyNotifyWindow(FHandle); }

void TRasDialer::Dial() {
  FConnection = 0;
  if (FPhoneNumber.size() > RemoteAccess::kMaxPhoneNumber) {
    throw Error(texts_.format(Text::PhoneNumberTooLong,
                              {std::to_string(RemoteAccess::kMaxPhoneNumber)}));
  }
  const std::uint32_t result = ras_.dial(FPhoneNumber, FHandle, FConnection);
  if (result != 0 && FConnection != 0) {
    // RAS frees the port only when every handle it gave out is hung up,
    // that of a call it refused too. The refusal is what the user is told.
    try {
      HangUp();
    } catch (const RasError&) {
    }
    FConnection = 0;
  }
  RasCheck(ras_, strings_, result);
}

void TRasDialer::HangUp() { HangUpConnection(ras_, strings_, FConnection, kHangUpSeconds); }

bool TRasDialer::windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (message != FNotifyMessage) return false;
  // A call that ended early (a busy line, a refusal, a dropped line) keeps
  // its handle: RAS frees the port only once the handle is hung up, which
  // the end of the ring-out does before the end action.
  try {
    if (FOnDialEvent) FOnDialEvent(*this, wParam, lParam);
  } catch (const std::exception& e) {
    report_(e);
  }
  return true;
}

}  // namespace dozorik
