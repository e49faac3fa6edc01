#include "fakes/fake_performance_data.h"

namespace dozorik {

PerfDataBuilder& PerfDataBuilder::object(std::uint32_t title,
                                         const std::vector<std::uint32_t>& counters,
                                         const std::vector<std::int64_t>& values) {
  constexpr std::size_t kBlockHeader = 8;  // a counter block's length, padded to 8 bytes
  const std::size_t at = data_.size();
  const auto count = static_cast<std::uint32_t>(counters.size());
  const auto length = static_cast<std::uint32_t>(kObjectSize + count * kCounterDefinitionSize);
  objects.push_back(at);
  data_.resize(at + length, 0);
  put(data_, at + kObjectDefinitionLength, length);
  put<std::uint32_t>(data_, at + kObjectHeaderLength, kObjectSize);
  put(data_, at + kObjectNameTitleIndex, title);
  put(data_, at + kObjectNumCounters, count);
  put(data_, at + kObjectNumInstances, static_cast<std::int32_t>(values.size()));
  for (std::uint32_t c = 0; c < count; ++c) {
    const std::size_t definition = at + kObjectSize + c * kCounterDefinitionSize;
    put<std::uint32_t>(data_, definition + kCounterByteLength, kCounterDefinitionSize);
    put(data_, definition + kCounterNameTitleIndex, counters[c]);
    put<std::uint32_t>(data_, definition + kCounterOffset, kBlockHeader + 8 * c);
  }
  instances.emplace_back();
  for (std::size_t i = 0; i < values.size(); ++i) {
    instances.back().push_back(data_.size());
    data_.resize(data_.size() + kInstanceSize + kName, 0);
    put<std::uint32_t>(data_, instances.back()[i] + kInstanceByteLength, kInstanceSize + kName);
    const std::size_t block = data_.size();
    data_.resize(block + kBlockHeader + 8 * count, 0);
    put(data_, block, static_cast<std::uint32_t>(kBlockHeader + 8 * count));
    for (std::uint32_t c = 0; c < count; ++c) {
      const std::int64_t filler = 7'000'000'000'000 + counters[c] * 1000 + std::int64_t(i);
      put(data_, block + kBlockHeader + 8 * c, counters[c] == 6 ? values[i] : filler);
    }
  }
  put(data_, at + kObjectTotalByteLength, static_cast<std::uint32_t>(data_.size() - at));
  return *this;
}

std::vector<std::uint8_t> PerfDataBuilder::build(std::uint32_t ms) const {
  std::vector<std::uint8_t> data = data_;
  put<std::uint32_t>(data, kBlockHeaderLength, kBlockSize + kName);
  put(data, kBlockNumObjectTypes, static_cast<std::uint32_t>(objects.size()));
  const std::uint32_t time[8] = {2024, 5, 3, 1,  // Wednesday, 1 May 2024
                                 ms / 3'600'000, ms / 60'000 % 60, ms / 1000 % 60, ms % 1000};
  for (int i = 0; i < 8; ++i) put(data, kBlockSystemTime + 2 * i, std::uint16_t(time[i]));
  return data;
}

}  // namespace dozorik
