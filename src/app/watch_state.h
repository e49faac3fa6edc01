#pragma once

#include "app/watch_options.h"

namespace dozorik {

// The state of the current watch that lives outside the controls.
struct WatchState {
  double LoadValue = 0;  // load of the last sample in percent, before truncation
  int LoadPercent = 0;   // the same as a whole percentage, 0 to 100
  int LogRow = 0;        // the next grid row for a grid-log record
  int QuietTicks = 0;    // consecutive ticks below the threshold

  int SpikeTicks = 0;      // ticks at or above the threshold in a row, let pass inside a quiet run
  int BusyTicks = 0;       // ticks at or above the threshold in a row, before counting starts
  bool Counting = true;    // quiet ticks count: false until the busy start is seen

  // A new watch: nothing counted, and with `busyFirst` nothing counts until
  // the load has been high for a while.
  void arm(const WatchOptions& options);
  // One tick's verdict. A quiet tick counts; a busy one starts the count
  // again, unless it is one of the spikes that a quiet run lets pass.
  void countTick(bool quiet, const WatchOptions& options);
};

}  // namespace dozorik
