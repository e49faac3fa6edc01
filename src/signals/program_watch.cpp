#include "signals/program_watch.h"

#include <algorithm>

#include "signals/image_name.h"

namespace dozorik::signals {

void ProgramWatch::setNames(std::vector<std::string> names) {
  if (names == names_) return;
  names_ = std::move(names);
  found_.clear();
}

bool ProgramWatch::named(const std::string& imageName) const {
  return std::any_of(names_.begin(), names_.end(),
                     [&](const std::string& name) { return sameImageName(name, imageName); });
}

Reading ProgramWatch::read() {
  // Ended processes are let go; one that could not be held open counts only
  // for the reading that listed it.
  found_.erase(std::remove_if(found_.begin(), found_.end(),
                              [](Found& f) { return !f.exit || f.exit->ended(); }),
               found_.end());
  if (found_.empty() && !names_.empty()) {
    const auto running = source_.list();
    if (!running) return {};
    for (const RunningProcesses::Entry& process : *running) {
      if (named(process.imageName)) {
        found_.push_back({process.imageName, source_.watchExit(process.id)});
      }
    }
  }
  if (found_.empty()) return Reading::of(0);
  return Reading::of(static_cast<std::int64_t>(found_.size()), found_.front().name);
}

}  // namespace dozorik::signals
