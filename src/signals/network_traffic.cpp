#include "signals/network_traffic.h"

#include <algorithm>
#include <cstdint>

namespace dozorik::signals {
namespace {

constexpr std::uint32_t kLoopback = 24;  // IF_TYPE_SOFTWARE_LOOPBACK
constexpr std::uint32_t kTunnel = 131;   // IF_TYPE_TUNNEL

// A counter that went back was reset (the interface went down and up, its
// driver restarted) or wrapped: what it counted meanwhile is unknown, and
// counting it as none is safer than a giant rate.
std::uint64_t grown(std::uint64_t before, std::uint64_t now) {
  return now >= before ? now - before : 0;
}

}  // namespace

bool countsAsTraffic(const InterfaceRow& row) {
  return row.hardware && !row.filter && row.type != kLoopback && row.type != kTunnel;
}

Reading NetworkTraffic::read(std::uint64_t nowMs) {
  if (notProvided_) return Reading::unavailable();
  rows_.clear();
  switch (source_.read(rows_)) {
    case SourceAnswer::NotProvided:
      notProvided_ = true;
      return Reading::unavailable();
    case SourceAnswer::NoValue:
      return {};  // the last good reading stays the one to compare with
    case SourceAnswer::Read:
      break;
  }
  now_.clear();
  for (const InterfaceRow& row : rows_) {
    if (countsAsTraffic(row)) now_.push_back({row.luid, row.inOctets, row.outOctets});
  }
  // A first reading (or one at the same moment as the last) only sets the
  // baseline.
  const bool first = !haveBefore_ || nowMs <= beforeMs_;
  // Only interfaces present in both readings: one that came or went would
  // count its whole history or lose it.
  std::uint64_t bytes = 0;
  for (const Counters& now : now_) {
    const auto before = std::find_if(before_.begin(), before_.end(),
                                     [&](const Counters& b) { return b.luid == now.luid; });
    if (before != before_.end()) bytes += grown(before->in, now.in) + grown(before->out, now.out);
  }
  std::swap(before_, now_);
  const std::uint64_t elapsedMs = nowMs - beforeMs_;
  beforeMs_ = nowMs;
  haveBefore_ = true;
  if (first) return {};
  // Bytes per millisecond are kB per second.
  return Reading::of(
      static_cast<std::int64_t>(std::min<std::uint64_t>(bytes / elapsedMs, INT64_MAX)));
}

}  // namespace dozorik::signals
