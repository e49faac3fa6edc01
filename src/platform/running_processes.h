#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dozorik {

// The processes running now, and a watch on one of them that tells when it
// has ended without asking for the whole list again.
class RunningProcesses {
 public:
  struct Entry {
    std::uint32_t id = 0;
    std::string imageName;  // the program file's name as the process reports it: "ffmpeg.exe"
  };

  // Holds the process open while it exists, so its identifier can't pass to
  // another one; lets go when destroyed.
  class ExitWatch {
   public:
    virtual ~ExitWatch() = default;
    // True once the process has ended, and when the system can no longer tell.
    virtual bool ended() = 0;
  };

  virtual ~RunningProcesses() = default;
  // Nothing when the system gives no list this time.
  virtual std::optional<std::vector<Entry>> list() = 0;
  // Null when the process can't be opened: it has gone, or its owner refuses.
  virtual std::unique_ptr<ExitWatch> watchExit(std::uint32_t id) = 0;
};

}  // namespace dozorik
