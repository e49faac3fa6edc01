#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/counter_instances.h"

namespace dozorik::signals {

// Windows' "GPU Engine" counter lists one instance per process and engine:
// "pid_1234_luid_0x00000000_0x0000D1A6_phys_0_eng_3_engtype_VideoEncode".
// The part from "luid_" to "_engtype_" names the engine: its adapter (luid
// and physical adapter) and its number there. Empty for a name without it.
std::string_view engineOf(std::string_view instance);

// The busiest engine of any adapter, in whole percent (0..100): each
// engine's utilization summed over the processes that use it. Engines of
// every type count (3D, compute, copy, video encode and decode): a video
// encode may keep only its encoder busy.
std::int64_t busiestEnginePercent(const std::vector<CounterInstance>& instances);

}  // namespace dozorik::signals
