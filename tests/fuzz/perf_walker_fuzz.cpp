// Feeds arbitrary bytes to the walker of the NT performance data, as if the
// system had returned them. The sanitizers catch any read outside the data.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "cpuload/perf_data_walker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-sized copy, so that a read one byte past the end is caught even
  // when libFuzzer's own buffer is larger.
  auto copy = std::make_unique<std::uint8_t[]>(size);
  if (size != 0) std::memcpy(copy.get(), data, size);

  dozorik::ProcessorData out;
  dozorik::WalkResult result = dozorik::walkProcessorData(copy.get(), size, out);

  // What the sampler relies on.
  if (out.instances < 0) std::abort();
  if (out.counters.size() > static_cast<std::size_t>(out.instances)) std::abort();
  if (result != dozorik::WalkResult::Found && !out.counters.empty()) std::abort();
  if (out.time && *out.time < 0) std::abort();
  return 0;
}
