#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"

namespace dozorik::win32 {

// String values under HKEY_CURRENT_USER. Every call opens its key afresh
// (creating it when missing) and closes it before returning, so nothing is
// held between calls.
class Win32Registry : public Registry {
 public:
  std::optional<std::string> readString(const std::string& key,
                                        const std::string& name) override;
  bool writeString(const std::string& key, const std::string& name,
                   const std::string& value) override;
};

}  // namespace dozorik::win32
