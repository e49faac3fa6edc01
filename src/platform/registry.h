#pragma once

#include <optional>
#include <string>

namespace dozorik {

// String values under the current user's hive. Key paths are relative to it
// and use backslashes ("SOFTWARE\\RuvoSOFTWARE\\Dozorik"); key and value names
// match in any letter case, as the registry does.
class Registry {
 public:
  virtual ~Registry() = default;

  // Opens the key, creating it when missing, and reads one string value.
  // Nothing when the key can't be opened; empty when the value is missing or
  // is not a string.
  virtual std::optional<std::string> readString(const std::string& key,
                                                const std::string& name) = 0;

  // Opens the key, creating it when missing, and stores one string value.
  // False on any failure.
  virtual bool writeString(const std::string& key, const std::string& name,
                           const std::string& value) = 0;
};

}  // namespace dozorik
