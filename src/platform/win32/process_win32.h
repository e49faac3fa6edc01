#pragma once

#include <string>
#include <vector>

#include "platform/process.h"

namespace dozorik::win32 {

// The running program: its file, its command line and the folder it was
// started in, read when this object is made.
class Win32Process : public Process {
 public:
  Win32Process();
  std::string modulePath() override;
  std::vector<std::string> arguments() override;
  std::string computerName() override;
  std::string startFolder() override { return startFolder_; }

 private:
  std::string startFolder_;
};

}  // namespace dozorik::win32
