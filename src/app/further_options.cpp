// The watch's further options: read at start, changed and stored only
// through their window, which the system menu opens.

#include "app/usage.h"

namespace dozorik {

// Every option applies from the next tick; the busy start, switched on,
// from the next watch (one armed before may have seen its load already).
void TUsage::useOptions(const WatchOptions& options) {
  options_ = options;
  Gauge1.setRange(0, options_.quietTicks);
  if (!options_.busyFirst && !watch_.Counting) {
    watch_.Counting = true;
    TrackBar1Change();
  }
  keepAwakeWhileWatching();
}

void TUsage::showOptions() {
  Options.show(options_, ports_.power.capabilities());
  application_.showModal(Options);
}

void TUsage::OptionsOkClick() {
  const WatchOptions chosen = Options.chosen();
  writeWatchOptions(chosen, [this](const std::string& name, const std::string& value) {
    regeditwrite(name, value);
  });
  useOptions(chosen);
  application_.closeForm(Options);
}

}  // namespace dozorik
