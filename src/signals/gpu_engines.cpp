#include "signals/gpu_engines.h"

#include <algorithm>
#include <utility>

namespace dozorik::signals {

std::string_view engineOf(std::string_view instance) {
  // Searched from the end where the parts are near it: names full of '_'
  // make forward searches slow, and there are hundreds of names a reading.
  const std::size_t start = instance.find("luid_");
  if (start == std::string_view::npos) return {};
  std::size_t end = instance.rfind("_engtype_");
  if (end == std::string_view::npos || end < start) end = instance.size();
  const std::string_view engine = instance.substr(start, end - start);
  return engine.rfind("_eng_") == std::string_view::npos ? std::string_view{} : engine;
}

std::int64_t busiestEnginePercent(const std::vector<CounterInstance>& instances) {
  // A busy system lists a few dozen engines under hundreds of processes, each
  // process's engines in the same order: the engine after the last one found
  // is tried first, then the short list in a row.
  std::vector<std::pair<std::string_view, double>> engines;
  engines.reserve(64);
  std::size_t next = 0;
  for (const CounterInstance& instance : instances) {
    const std::string_view engine = engineOf(instance.name);
    if (engine.empty() || !(instance.value > 0)) continue;
    if (next >= engines.size() || engines[next].first != engine) {
      next = std::find_if(engines.begin(), engines.end(),
                          [&](const auto& e) { return e.first == engine; }) -
             engines.begin();
    }
    if (next == engines.size()) {
      engines.emplace_back(engine, instance.value);
    } else {
      engines[next].second += instance.value;
    }
    ++next;
  }
  double busiest = 0;
  for (const auto& engine : engines) busiest = std::max(busiest, engine.second);
  // The processes' shares, each rounded by Windows, can add up past 100.
  return static_cast<std::int64_t>(std::min(busiest, 100.0));
}

}  // namespace dozorik::signals
