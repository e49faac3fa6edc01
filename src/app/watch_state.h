#pragma once

namespace dozorik {

// The state of the current watch that lives outside the controls.
struct WatchState {
  static constexpr int kQuietLimit = 250;

  double LoadValue = 0;  // load of the last sample in percent, before truncation
  int LoadPercent = 0;   // the same as a whole percentage, 0 to 100
  int LogRow = 0;        // the next grid row for a grid-log record
  int QuietTicks = 0;    // consecutive ticks below the threshold
};

}  // namespace dozorik
