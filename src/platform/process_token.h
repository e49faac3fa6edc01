#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dozorik {

// The privileges in the current process's access token.
class ProcessToken {
 public:
  using Handle = std::uintptr_t;
  static constexpr std::uint32_t kAdjustPrivileges = 0x20;  // TOKEN_ADJUST_PRIVILEGES
  static constexpr std::uint32_t kQuery = 0x8;              // TOKEN_QUERY
  static constexpr std::uint32_t kEnabled = 2;              // SE_PRIVILEGE_ENABLED

  virtual ~ProcessToken() = default;
  virtual std::optional<Handle> open(std::uint32_t access) = 0;
  // The locally unique identifier of a privilege on this system.
  virtual std::optional<std::uint64_t> lookupPrivilege(const std::string& name) = 0;
  // Sets the attributes of one privilege; true only when the token holds
  // the privilege and it was set (a token without it is a failure).
  virtual bool adjustPrivilege(Handle token, std::uint64_t privilege,
                               std::uint32_t attributes) = 0;
  virtual void close(Handle token) = 0;
};

}  // namespace dozorik
