#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/running_processes.h"
#include "signals/reading.h"

namespace dozorik::signals {

// Whether a process of one of the named programs runs. The process list is
// asked only while none of the found processes runs: the found ones are held
// open and asked whether they have ended, which costs the system next to
// nothing, so during a long job the list is never taken.
class ProgramWatch {
 public:
  explicit ProgramWatch(RunningProcesses& source) : source_(source) {}

  // Names compare without regard to letter case. New names drop the
  // processes found for the old ones.
  void setNames(std::vector<std::string> names);

  // The value is how many of the found processes run (or, where one could
  // not be held open, how many the list showed); the name is the first's.
  Reading read();

 private:
  struct Found {
    std::string name;
    std::unique_ptr<RunningProcesses::ExitWatch> exit;
  };

  bool named(const std::string& imageName) const;

  RunningProcesses& source_;
  std::vector<std::string> names_;
  std::vector<Found> found_;
};

}  // namespace dozorik::signals
