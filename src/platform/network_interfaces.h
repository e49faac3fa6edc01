#pragma once

#include <cstdint>
#include <vector>

#include "platform/source_answer.h"

namespace dozorik {

// One row of the system's interface table: what tells the interfaces apart
// and their byte counters since they came up.
struct InterfaceRow {
  std::uint64_t luid = 0;  // stays the interface's while it exists
  std::uint32_t type = 0;  // IANA ifType: 6 Ethernet, 24 loopback, 131 tunnel, ...
  bool hardware = false;   // a network adapter's own interface
  bool filter = false;     // a filter driver's copy of an adapter's interface
  std::uint64_t inOctets = 0;
  std::uint64_t outOctets = 0;
};

class NetworkInterfaces {
 public:
  virtual ~NetworkInterfaces() = default;
  // Every interface the system lists, in its order.
  virtual SourceAnswer read(std::vector<InterfaceRow>& into) = 0;
};

}  // namespace dozorik
