#pragma once

#include "platform/running_processes.h"

namespace dozorik::win32 {

// The process list of a Tool Help snapshot, and a process held open with
// the one right a wait needs (SYNCHRONIZE).
class Win32RunningProcesses : public RunningProcesses {
 public:
  std::optional<std::vector<Entry>> list() override;
  std::unique_ptr<ExitWatch> watchExit(std::uint32_t id) override;
};

}  // namespace dozorik::win32
