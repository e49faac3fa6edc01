#pragma once

#include <string>
#include <vector>

#include "platform/source_answer.h"

namespace dozorik {

// One instance of a performance counter with the value Windows computed for
// it over the time between the last two readings (a rate or a percentage).
struct CounterInstance {
  std::string name;
  double value = 0;
};

// The instances of one performance counter named by an English path with a
// wildcard for the instance ("\PhysicalDisk(*)\Disk Bytes/sec"), read again
// and again. The first reading is NoValue: a rate needs two. An instance
// without a value this time (one that appeared since the last reading) is
// left out.
class CounterInstances {
 public:
  virtual ~CounterInstances() = default;
  virtual SourceAnswer read(std::vector<CounterInstance>& into) = 0;
};

}  // namespace dozorik
