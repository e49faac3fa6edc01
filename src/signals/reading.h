#pragma once

#include <cstdint>
#include <string>

namespace dozorik::signals {

// The signals besides the processor, in the order a hold is reported.
enum class Signal { Gpu, Disk, Network, Program };
constexpr Signal kAllSignals[] = {Signal::Gpu, Signal::Disk, Signal::Network, Signal::Program};

// One signal's last reading.
struct Reading {
  enum class State {
    NoValue,      // not read yet, or the last reading failed: counts as busy
    Value,        // `value` holds the reading
    Unavailable,  // this Windows does not provide the signal: never busy
  };
  State state = State::NoValue;
  // Whole units, truncated: percent (GPU), MB/s (disk), kB/s (network), and
  // for programs how many of the named ones run.
  std::int64_t value = 0;
  // Programs: the name of one that runs, as the process reports it.
  std::string name;

  static Reading of(std::int64_t value, std::string name = {}) {
    return {State::Value, value, std::move(name)};
  }
  static Reading unavailable() { return {State::Unavailable, 0, {}}; }
};

}  // namespace dozorik::signals
