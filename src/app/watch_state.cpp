#include "app/watch_state.h"

namespace dozorik {

void WatchState::arm(const WatchOptions& options) {
  QuietTicks = 0;
  LogRow = 0;
  SpikeTicks = 0;
  BusyTicks = 0;
  Counting = !options.busyFirst;
}

void WatchState::countTick(bool quiet, const WatchOptions& options) {
  if (!Counting) {
    // Armed before the job got going: a machine that has not worked yet
    // must not end the watch at once.
    BusyTicks = quiet ? 0 : BusyTicks + 1;
    Counting = BusyTicks >= WatchOptions::kBusyTicksFirst;
    return;
  }
  if (quiet) {
    ++QuietTicks;
    SpikeTicks = 0;
  } else if (QuietTicks > 0 && SpikeTicks < options.spikeTolerance) {
    ++SpikeTicks;  // a background task woke for a moment: neither counted nor a reset
  } else {
    QuietTicks = 0;
    SpikeTicks = 0;
  }
}

}  // namespace dozorik
