#include "platform/win32/power_win32.h"

#include <windows.h>

#include <cstddef>

#include "platform/win32/system_message_win32.h"
#include "platform/win32/wide.h"
#include "texts/texts.h"

namespace dozorik::win32 {
namespace {

// Older headers name the Windows 8 members of the record "spare2"; AoAc
// (S0 low-power idle) is the third of them.
constexpr std::size_t kAoAcOffset = 0x14;
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, spare2) + 2 == kAoAcOffset);

template <typename Fn>
Fn lookUp(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

Power::Refusal lastError() { return systemMessage(GetLastError()); }

}  // namespace

struct Win32Power::Calls {
  using PwrCapabilitiesFn = BOOLEAN(WINAPI*)(SYSTEM_POWER_CAPABILITIES*);
  using CreateRequestFn = HANDLE(WINAPI*)(REASON_CONTEXT*);
  using RequestFn = BOOL(WINAPI*)(HANDLE, POWER_REQUEST_TYPE);
  using ExecutionStateFn = EXECUTION_STATE(WINAPI*)(EXECUTION_STATE);

  UniqueLibrary powrprof{LoadLibraryW(L"powrprof.dll")};
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  PwrCapabilitiesFn pwrCapabilities = lookUp<PwrCapabilitiesFn>(powrprof.get(), "GetPwrCapabilities");
  CreateRequestFn createRequest = lookUp<CreateRequestFn>(kernel, "PowerCreateRequest");
  RequestFn setRequest = lookUp<RequestFn>(kernel, "PowerSetRequest");
  RequestFn clearRequest = lookUp<RequestFn>(kernel, "PowerClearRequest");
  ExecutionStateFn executionState = lookUp<ExecutionStateFn>(kernel, "SetThreadExecutionState");

  bool powerRequests() const { return createRequest && setRequest && clearRequest; }
};

Win32Power::Win32Power()
    : calls_(std::make_unique<Calls>()), reason_(widen(Texts()[Text::AwakeReason])) {}

void Win32Power::setRequestReason(const std::string& reason) { reason_ = widen(reason); }

Win32Power::~Win32Power() { keepAwake(Awake::No); }

std::optional<Power::Capabilities> Win32Power::capabilities() {
  if (!calls_->pwrCapabilities) return std::nullopt;
  SYSTEM_POWER_CAPABILITIES record{};
  if (!calls_->pwrCapabilities(&record)) return std::nullopt;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
  Capabilities machine;
  machine.sleepStates = record.SystemS1 || record.SystemS2 || record.SystemS3;
  machine.modernStandby = bytes[kAoAcOffset] != 0;
  machine.hibernation = record.HiberFilePresent;
  return machine;
}

Power::Refusal Win32Power::suspend(bool hibernate) {
  // Deprecated in favour of SetSuspendState (powrprof), but exported by
  // kernel32 on every desktop Windows. Forced: no program is asked first.
  if (SetSystemPowerState(hibernate ? FALSE : TRUE, TRUE)) return std::nullopt;
  return lastError();
}

Power::Refusal Win32Power::exitWindows(std::uint32_t flags, std::uint32_t reason) {
  if (ExitWindowsEx(flags, reason)) return std::nullopt;
  return lastError();
}

void Win32Power::displaysOff() {
  // 2: the displays are being shut off. The window passes the command on to
  // DefWindowProc, which tells the system.
  if (window_) SendMessageW(static_cast<HWND>(window_), WM_SYSCOMMAND, SC_MONITORPOWER, 2);
}

bool Win32Power::beep(int frequency, int milliseconds) {
  return Beep(static_cast<DWORD>(frequency), static_cast<DWORD>(milliseconds)) != FALSE;
}

bool Win32Power::usesPowerRequests() const { return calls_->powerRequests(); }

bool Win32Power::keepAwake(Awake level) {
  if (level == level_) return true;
  // Whatever was asked before is cleared and let go first.
  if (request_) {
    calls_->clearRequest(request_.get(), PowerRequestSystemRequired);
    if (level_ == Awake::Display) calls_->clearRequest(request_.get(), PowerRequestDisplayRequired);
    request_.reset();
  }
  if (executionStateSet_) {
    calls_->executionState(ES_CONTINUOUS);
    executionStateSet_ = false;
  }
  level_ = level;
  if (calls_->powerRequests()) {
    if (level == Awake::No) return true;
    REASON_CONTEXT reason{};
    reason.Version = POWER_REQUEST_CONTEXT_VERSION;
    reason.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
    reason.Reason.SimpleReasonString = reason_.data();
    HANDLE created = calls_->createRequest(&reason);
    if (created != INVALID_HANDLE_VALUE && created) {
      request_.reset(created);
      bool set = calls_->setRequest(request_.get(), PowerRequestSystemRequired) != FALSE;
      if (level == Awake::Display) {
        set = calls_->setRequest(request_.get(), PowerRequestDisplayRequired) != FALSE && set;
      }
      return set;
    }
  }
  // Before Windows 7, or where no request could be made: the thread's
  // execution state, which holds until it is changed.
  if (level == Awake::No) return true;
  if (!calls_->executionState) return false;
  EXECUTION_STATE state = ES_CONTINUOUS | ES_SYSTEM_REQUIRED;
  if (level == Awake::Display) state |= ES_DISPLAY_REQUIRED;
  executionStateSet_ = calls_->executionState(state) != 0;
  return executionStateSet_;
}

}  // namespace dozorik::win32
