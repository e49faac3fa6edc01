#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/files.h"

namespace dozorik::win32 {

// Files on the local disks, named relative to the process's current
// directory.
class Win32FileSystem : public FileSystem {
 public:
  bool setCurrentDirectory(const std::string& directory) override;
  std::unique_ptr<OutputFile> create(const std::string& name) override;
  std::unique_ptr<OutputFile> append(const std::string& name) override;
  std::optional<FileStamp> stamp(const std::string& name) override;
  std::optional<std::string> read(const std::string& name, std::size_t maxBytes) override;
  bool remove(const std::string& name) override;
  bool canCreateIn(const std::string& folder) override;
  bool createFolder(const std::string& folder) override;
  std::optional<std::string> localAppData() override;
};

}  // namespace dozorik::win32
