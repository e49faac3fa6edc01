#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/process_token.h"

namespace dozorik::win32 {

// The access token of the running process.
class Win32ProcessToken : public ProcessToken {
 public:
  std::optional<Handle> open(std::uint32_t access) override;
  std::optional<std::uint64_t> lookupPrivilege(const std::string& name) override;
  bool adjustPrivilege(Handle token, std::uint64_t privilege, std::uint32_t attributes) override;
  void close(Handle token) override;
};

}  // namespace dozorik::win32
