#include "fakes/fake_performance_data.h"

#include <algorithm>

namespace dozorik {

long FakePerformanceData::queryProcessorData(std::uint8_t* buffer, std::uint32_t& size) {
  querySizes.push_back(size);
  std::uint32_t room = size;
  // A failure's byte count means nothing: a caller that trusted it would lose its data.
  size = 0;
  if (answers.empty()) return 2;  // ERROR_FILE_NOT_FOUND
  Answer next = answers.front();
  if (next.status == kSuccess && next.data.size() > room) return kMoreData;
  answers.pop_front();
  if (next.status != kSuccess) return next.status;
  std::copy(next.data.begin(), next.data.end(), buffer);
  std::fill(buffer + next.data.size(), buffer + room, kPastEnd);
  size = static_cast<std::uint32_t>(next.data.size());
  return kSuccess;
}

std::vector<std::uint8_t> PerfDataBuilder::build(std::uint32_t ms) {
  constexpr std::size_t kName = 16;        // the computer's name, UTF-16, padded to 8 bytes
  constexpr std::size_t kBlockHeader = 8;  // a counter block's length, padded to 8 bytes
  std::vector<std::uint8_t> data(kBlockSize + kName, 0);
  put<std::uint32_t>(data, kBlockHeaderLength, kBlockSize + kName);
  put(data, kBlockNumObjectTypes, static_cast<std::uint32_t>(objects_.size()));
  const std::uint32_t time[8] = {2024, 5, 3, 1,  // Wednesday, 1 May 2024
                                 ms / 3'600'000, ms / 60'000 % 60, ms / 1000 % 60, ms % 1000};
  for (int i = 0; i < 8; ++i) put(data, kBlockSystemTime + 2 * i, std::uint16_t(time[i]));
  for (Object& o : objects_) {
    o.at = data.size();
    const auto count = static_cast<std::uint32_t>(o.counters.size());
    const auto length = static_cast<std::uint32_t>(kObjectSize + count * kCounterDefinitionSize);
    data.resize(o.at + length, 0);
    put(data, o.at + kObjectDefinitionLength, length);
    put<std::uint32_t>(data, o.at + kObjectHeaderLength, kObjectSize);
    put(data, o.at + kObjectNameTitleIndex, o.title);
    put(data, o.at + kObjectNumCounters, count);
    put(data, o.at + kObjectNumInstances, static_cast<std::int32_t>(o.values.size()));
    for (std::uint32_t c = 0; c < count; ++c) {
      const std::size_t at = o.at + kObjectSize + c * kCounterDefinitionSize;
      put<std::uint32_t>(data, at + kCounterByteLength, kCounterDefinitionSize);
      put(data, at + kCounterNameTitleIndex, o.counters[c]);
      put<std::uint32_t>(data, at + kCounterOffset, kBlockHeader + 8 * c);
    }
    o.instances.clear();
    for (std::size_t i = 0; i < o.values.size(); ++i) {
      o.instances.push_back(data.size());
      data.resize(data.size() + kInstanceSize + kName, 0);
      put<std::uint32_t>(data, o.instances.back() + kInstanceByteLength, kInstanceSize + kName);
      const std::size_t block = data.size();
      data.resize(block + kBlockHeader + 8 * count, 0);
      put(data, block, static_cast<std::uint32_t>(kBlockHeader + 8 * count));
      for (std::uint32_t c = 0; c < count; ++c) {
        std::int64_t filler = 7'000'000'000'000 + o.counters[c] * 1000 + std::int64_t(i);
        put(data, block + kBlockHeader + 8 * c, o.counters[c] == 6 ? o.values[i] : filler);
      }
    }
    put(data, o.at + kObjectTotalByteLength, static_cast<std::uint32_t>(data.size() - o.at));
  }
  return data;
}

}  // namespace dozorik
