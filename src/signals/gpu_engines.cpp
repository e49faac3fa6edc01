#include "signals/gpu_engines.h"

#include <algorithm>
#include <utility>

namespace dozorik::signals {

std::string_view engineOf(std::string_view instance) {
  const std::size_t start = instance.find("luid_");
  if (start == std::string_view::npos) return {};
  const std::size_t type = instance.find("_engtype_", start);
  const std::string_view engine = instance.substr(
      start, type == std::string_view::npos ? std::string_view::npos : type - start);
  return engine.find("_eng_") == std::string_view::npos ? std::string_view{} : engine;
}

std::int64_t busiestEnginePercent(const std::vector<CounterInstance>& instances) {
  // A busy system lists a few dozen engines under hundreds of processes: a
  // short list searched in a row beats a map here.
  std::vector<std::pair<std::string_view, double>> engines;
  engines.reserve(64);
  for (const CounterInstance& instance : instances) {
    const std::string_view engine = engineOf(instance.name);
    if (engine.empty() || !(instance.value > 0)) continue;
    auto known = std::find_if(engines.begin(), engines.end(),
                              [&](const auto& e) { return e.first == engine; });
    if (known == engines.end()) {
      engines.emplace_back(engine, instance.value);
    } else {
      known->second += instance.value;
    }
  }
  double busiest = 0;
  for (const auto& engine : engines) busiest = std::max(busiest, engine.second);
  // The processes' shares, each rounded by Windows, can add up past 100.
  return static_cast<std::int64_t>(std::min(busiest, 100.0));
}

}  // namespace dozorik::signals
