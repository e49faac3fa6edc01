#pragma once

#include <cstdint>
#include <vector>

#include "platform/counter_instances.h"

namespace dozorik::signals {

// The bytes read and written per second by all physical disks together, in
// whole MB/s (1 MB = 1,000,000 bytes), from the "PhysicalDisk" counter
// "Disk Bytes/sec": Windows' own "_Total" instance where it is listed, the
// sum of the disks otherwise.
std::int64_t diskMegabytesPerSecond(const std::vector<CounterInstance>& instances);

}  // namespace dozorik::signals
