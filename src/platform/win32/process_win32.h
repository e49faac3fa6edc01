#pragma once

#include <string>
#include <vector>

#include "platform/process.h"

namespace dozorik::win32 {

// The running program: its file and its command line.
class Win32Process : public Process {
 public:
  std::string modulePath() override;
  std::vector<std::string> arguments() override;
  std::string computerName() override;
};

}  // namespace dozorik::win32
