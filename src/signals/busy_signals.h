#pragma once

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>

#include "platform/counter_instances.h"
#include "platform/network_interfaces.h"
#include "platform/running_processes.h"
#include "signals/busy_verdict.h"
#include "signals/counter_signal.h"
#include "signals/network_traffic.h"
#include "signals/program_watch.h"
#include "signals/signal_settings.h"

namespace dozorik::signals {

// Where the signals come from.
struct SignalSources {
  CounterInstances& gpuEngines;  // "\GPU Engine(*)\Utilization Percentage"
  CounterInstances& disks;       // "\PhysicalDisk(*)\Disk Bytes/sec"
  NetworkInterfaces& network;
  RunningProcesses& processes;
};

// The signals besides the processor, read no more often than once a second
// whatever the tick: between readings a verdict reuses the last ones.
class BusySignals {
 public:
  static constexpr std::uint64_t kReadEveryMs = 1000;
  // A rate read this long after the signal's last reading spans a pause (the
  // signal was off, no watch was armed): it only starts a new measurement.
  static constexpr std::uint64_t kStaleAfterMs = 5000;

  // The texts say which signal holds a watch, and why one can't.
  explicit BusySignals(const SignalSources& sources, const Texts& texts = Texts());

  // Applies from the next reading; a signal switched off is no longer read.
  void configure(const SignalSettings& settings);
  const SignalSettings& settings() const { return settings_; }

  // Reads each signal that is on and was last read kReadEveryMs or more ago.
  // `nowMs` comes from a clock that only goes forward (GetTickCount64).
  const Readings& update(std::uint64_t nowMs);
  const Readings& readings() const { return readings_; }

  // The tick's verdict with the last readings.
  Verdict judge(bool processorQuiet) const {
    return judgeTick(processorQuiet, settings_, readings_, texts_);
  }

  // Why a signal can't hold a watch on this Windows, or nothing while it can.
  // A signal never read is read now, on or off, to find out.
  std::optional<std::string> unavailable(Signal signal, std::uint64_t nowMs);

 private:
  struct Schedule {
    bool read = false;
    std::uint64_t lastMs = 0;
  };

  void readSignal(Signal signal, std::uint64_t nowMs);

  CounterSignal gpu_, disk_;
  NetworkTraffic network_;
  ProgramWatch programs_;
  Texts texts_;
  SignalSettings settings_;
  Readings readings_;
  Schedule schedule_[std::size(kAllSignals)];
};

}  // namespace dozorik::signals
