#pragma once

#include <cstdint>
#include <vector>

#include "platform/network_interfaces.h"
#include "signals/reading.h"

namespace dozorik::signals {

// Whether an interface's bytes count as the machine's traffic: only a
// network adapter's own interface. Loopback traffic never leaves the
// machine; tunnels, virtual switches and filter drivers carry bytes that an
// adapter's interface counts already.
bool countsAsTraffic(const InterfaceRow& row);

// The bytes received and sent per second over the adapters, in whole kB/s
// (1 kB = 1000 bytes), between two readings of the interface table.
class NetworkTraffic {
 public:
  explicit NetworkTraffic(NetworkInterfaces& source) : source_(source) {}

  // `nowMs`: the caller's clock, which must only go forward.
  Reading read(std::uint64_t nowMs);
  // The next reading starts afresh, with nothing to compare.
  void restart() { haveBefore_ = false; }

 private:
  struct Counters {
    std::uint64_t luid, in, out;
  };

  NetworkInterfaces& source_;
  std::vector<InterfaceRow> rows_;  // reused by every reading
  std::vector<Counters> before_, now_;
  std::uint64_t beforeMs_ = 0;
  bool haveBefore_ = false;
  bool notProvided_ = false;
};

}  // namespace dozorik::signals
