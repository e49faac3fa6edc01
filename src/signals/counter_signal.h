#pragma once

#include <cstdint>
#include <vector>

#include "platform/counter_instances.h"
#include "signals/reading.h"

namespace dozorik::signals {

// A signal read from the instances of one performance counter (the graphics
// engines, the physical disks), each reading reduced to one whole number.
class CounterSignal {
 public:
  using Reduce = std::int64_t (*)(const std::vector<CounterInstance>& instances);

  CounterSignal(CounterInstances& source, Reduce reduce) : source_(source), reduce_(reduce) {}

  // `discard`: the values cover a time the caller no longer cares about (a
  // long pause since the last reading), so they read as no value.
  Reading read(bool discard = false);

 private:
  CounterInstances& source_;
  Reduce reduce_;
  std::vector<CounterInstance> instances_;  // reused by every reading
  bool notProvided_ = false;                // once Windows says so, it is never asked again
};

}  // namespace dozorik::signals
