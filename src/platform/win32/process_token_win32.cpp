#include "platform/win32/process_token_win32.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

// One count and one entry: the layout the exit request's privilege step
// relies on.
static_assert(sizeof(TOKEN_PRIVILEGES) == 16, "one-entry privilege record");

HANDLE toHandle(ProcessToken::Handle token) { return reinterpret_cast<HANDLE>(token); }

}  // namespace

std::optional<ProcessToken::Handle> Win32ProcessToken::open(std::uint32_t access) {
  // GetCurrentProcess is a pseudo handle: it needs no closing.
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), access, &token)) return std::nullopt;
  return reinterpret_cast<Handle>(token);
}

std::optional<std::uint64_t> Win32ProcessToken::lookupPrivilege(const std::string& name) {
  LUID luid{};
  if (!LookupPrivilegeValueW(nullptr, widen(name).c_str(), &luid)) return std::nullopt;
  return static_cast<std::uint64_t>(luid.LowPart) |
         (static_cast<std::uint64_t>(static_cast<std::uint32_t>(luid.HighPart)) << 32);
}

bool Win32ProcessToken::adjustPrivilege(Handle token, std::uint64_t privilege,
                                        std::uint32_t attributes) {
  TOKEN_PRIVILEGES wanted{};
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Luid.LowPart = static_cast<DWORD>(privilege & 0xFFFFFFFFu);
  wanted.Privileges[0].Luid.HighPart = static_cast<LONG>(privilege >> 32);
  wanted.Privileges[0].Attributes = attributes;

  // The record holds exactly one entry, so the previous state fits in one
  // record too. It is asked for but not used.
  TOKEN_PRIVILEGES previous{};
  DWORD returned = 0;
  if (!AdjustTokenPrivileges(toHandle(token), FALSE, &wanted, sizeof(previous), &previous,
                             &returned)) {
    return false;
  }
  // The call succeeds also when the token lacks the privilege; only the
  // last error tells that nothing was assigned.
  return GetLastError() != ERROR_NOT_ALL_ASSIGNED;
}

void Win32ProcessToken::close(Handle token) { CloseHandle(toHandle(token)); }

}  // namespace dozorik::win32
