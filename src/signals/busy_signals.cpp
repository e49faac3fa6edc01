#include "signals/busy_signals.h"

#include "signals/disk_throughput.h"
#include "signals/gpu_engines.h"

namespace dozorik::signals {

BusySignals::BusySignals(const SignalSources& sources, const Texts& texts)
    : gpu_(sources.gpuEngines, busiestEnginePercent),
      disk_(sources.disks, diskMegabytesPerSecond),
      network_(sources.network),
      programs_(sources.processes),
      texts_(texts) {}

void BusySignals::configure(const SignalSettings& settings) {
  if (settings.programs != settings_.programs) {
    programs_.setNames(settings.programs);
    // Found for other names, the last reading says nothing of these ones
    // until the next.
    readings_.program = {};
  }
  settings_ = settings;
}

const Readings& BusySignals::update(std::uint64_t nowMs) {
  for (Signal signal : kAllSignals) {
    const Schedule& schedule = schedule_[static_cast<int>(signal)];
    const bool due =
        !schedule.read || nowMs < schedule.lastMs || nowMs - schedule.lastMs >= kReadEveryMs;
    if (settings_.on(signal) && due) readSignal(signal, nowMs);
  }
  return readings_;
}

void BusySignals::readSignal(Signal signal, std::uint64_t nowMs) {
  Schedule& schedule = schedule_[static_cast<int>(signal)];
  const bool stale =
      schedule.read && (nowMs < schedule.lastMs || nowMs - schedule.lastMs >= kStaleAfterMs);
  Reading& reading = readings_[signal];
  switch (signal) {
    case Signal::Gpu:
      reading = gpu_.read(stale);
      break;
    case Signal::Disk:
      reading = disk_.read(stale);
      break;
    case Signal::Network:
      if (stale) network_.restart();
      reading = network_.read(nowMs);
      break;
    case Signal::Program:
      reading = programs_.read();
      break;
  }
  schedule = {true, nowMs};
}

std::optional<std::string> BusySignals::unavailable(Signal signal, std::uint64_t nowMs) {
  if (!schedule_[static_cast<int>(signal)].read) readSignal(signal, nowMs);
  if (readings_[signal].state != Reading::State::Unavailable) return std::nullopt;
  return unavailableReason(signal, texts_);
}

}  // namespace dozorik::signals
