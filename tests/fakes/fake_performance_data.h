#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/performance_data.h"

namespace dozorik {

// A scriptable PerformanceData that records what the sampler asks of it.
class FakePerformanceData : public PerformanceData {
 public:
  // What a query leaves in the buffer past the data it returned: a read past
  // the end shows as an absurd counter or a wild offset.
  static constexpr std::uint8_t kPastEnd = 0xA5;

  struct Answer { long status; std::vector<std::uint8_t> data; };

  std::optional<std::uint32_t> platform = kPlatformNt;
  // Each query takes the front answer. Data that doesn't fit the buffer
  // answers kMoreData and stays in front, as the system does; a failure
  // leaves the buffer alone and a byte count of 0. With nothing left to
  // answer, the query fails with ERROR_FILE_NOT_FOUND (2).
  std::deque<Answer> answers;
  std::vector<std::uint32_t> querySizes;  // the buffer size of every query
  std::deque<SystemTimes> times;          // one per systemTimes(), then nothing

  // 9x: the subkeys that open, the CPUUsage value read through each (none:
  // the read fails), every call as "open|read|close <key> [...]" (a key that
  // isn't open shows as "(not open)"), and the keys open.
  std::set<std::string> dynKeys;
  std::map<std::string, std::uint32_t> dynValues;
  std::vector<std::string> dynLog;
  std::map<DynKey, std::string> openDynKeys;

  void answer(std::vector<std::uint8_t> data) { answers.push_back({kSuccess, std::move(data)}); }
  void fail(long status = 2) { answers.push_back({status, {}}); }

  std::optional<std::uint32_t> platformId() override { return platform; }
  long queryProcessorData(std::uint8_t* buffer, std::uint32_t& size) override;
  std::optional<SystemTimes> systemTimes() override {
    if (times.empty()) return std::nullopt;
    SystemTimes next = times.front();
    times.pop_front();
    return next;
  }
  std::optional<DynKey> openDynData(const std::string& subkey, std::uint32_t access) override {
    dynLog.push_back("open " + subkey + " " + std::to_string(access));
    if (dynKeys.count(subkey) == 0) return std::nullopt;
    openDynKeys[nextKey_] = subkey;
    return nextKey_++;
  }
  bool readDynDword(DynKey key, const std::string& name, std::uint32_t& value) override {
    dynLog.push_back("read " + subkey(key) + " " + name);
    auto found = dynValues.find(subkey(key));
    if (found != dynValues.end()) value = found->second;
    return found != dynValues.end();
  }
  void closeDynData(DynKey key) override {
    dynLog.push_back("close " + subkey(key));
    openDynKeys.erase(key);
  }

 private:
  std::string subkey(DynKey key) const {
    auto open = openDynKeys.find(key);
    return open == openDynKeys.end() ? "(not open)" : open->second;
  }
  DynKey nextKey_ = 0x1000;
};

// Composes NT performance data as the system lays it out for 32- and 64-bit
// processes alike: the data block and the computer's name, then each object's
// header, counter definitions and instances (definition, name, counter block).
class PerfDataBuilder {
 public:
  // Offsets of the published fields the walk reads, and the records' sizes.
  // PERF_DATA_BLOCK:
  static constexpr std::size_t kBlockHeaderLength = 24, kBlockNumObjectTypes = 28,
                               kBlockSystemTime = 36, kBlockSize = 88;
  // PERF_OBJECT_TYPE:
  static constexpr std::size_t kObjectTotalByteLength = 0, kObjectDefinitionLength = 4,
                               kObjectHeaderLength = 8, kObjectNameTitleIndex = 12,
                               kObjectNumCounters = 32, kObjectNumInstances = 40, kObjectSize = 64;
  // PERF_COUNTER_DEFINITION and PERF_INSTANCE_DEFINITION:
  static constexpr std::size_t kCounterByteLength = 0, kCounterNameTitleIndex = 4,
                               kCounterOffset = 36, kCounterDefinitionSize = 40;
  static constexpr std::size_t kInstanceByteLength = 0, kInstanceSize = 24;
  static constexpr std::int32_t kNoInstances = -1;  // PERF_NO_INSTANCES

  // An object with counters of these title indexes and one instance per value, held by
  // counter 6; the other counters hold filler that stands out when read by mistake.
  PerfDataBuilder& object(std::uint32_t title, std::vector<std::uint32_t> counters,
                          std::vector<std::int64_t> values) {
    objects_.push_back({title, std::move(counters), std::move(values), 0, {}});
    return *this;
  }

  // The data, its SystemTime 1 May 2024 plus `ms` (less than a day).
  std::vector<std::uint8_t> build(std::uint32_t ms = 0);

  // Where the last build() put things.
  std::size_t objectAt(std::size_t o) const { return objects_.at(o).at; }
  std::size_t counterAt(std::size_t o, std::size_t c) const {
    return objectAt(o) + kObjectSize + c * kCounterDefinitionSize;
  }
  std::size_t instanceAt(std::size_t o, std::size_t i) const { return objects_[o].instances[i]; }

  template <class T>
  static void put(std::vector<std::uint8_t>& data, std::size_t at, T value) {
    std::memcpy(data.data() + at, &value, sizeof value);
  }

 private:
  struct Object {
    std::uint32_t title;
    std::vector<std::uint32_t> counters;
    std::vector<std::int64_t> values;
    std::size_t at;                      // where build() put the object
    std::vector<std::size_t> instances;  // and its instances
  };

  std::vector<Object> objects_;
};

}  // namespace dozorik
