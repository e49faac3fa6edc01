#include "signals/disk_throughput.h"

namespace dozorik::signals {

std::int64_t diskMegabytesPerSecond(const std::vector<CounterInstance>& instances) {
  double disks = 0;
  for (const CounterInstance& instance : instances) {
    if (!(instance.value > 0)) continue;
    if (instance.name == "_Total") return static_cast<std::int64_t>(instance.value / 1e6);
    disks += instance.value;
  }
  return static_cast<std::int64_t>(disks / 1e6);
}

}  // namespace dozorik::signals
