#pragma once

#include <string>

#include "platform/shell.h"

namespace dozorik::win32 {

// Hands documents and programs to the Windows shell.
class Win32Shell : public Shell {
 public:
  std::optional<std::string> open(const std::string& file, const std::string& parameters) override;
  void browse(const std::string& url) override;
};

}  // namespace dozorik::win32
