#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cpuload/perf_data_walker.h"
#include "platform/performance_data.h"

namespace dozorik {

// A scriptable PerformanceData that records what the sampler asks of it.
class FakePerformanceData : public PerformanceData {
 public:
  static constexpr long kFileNotFound = 2;
  // What a successful query leaves in the buffer past the data it returned:
  // a read past the end shows as an absurd counter or a wild offset.
  static constexpr std::uint8_t kPastEnd = 0xA5;

  struct Answer {
    long status = kSuccess;
    std::vector<std::uint8_t> data;
  };

  std::optional<std::uint32_t> platform = kPlatformNt;

  // Each query takes the front answer. A successful answer that doesn't fit
  // the buffer answers kMoreData and stays in front, as the system does. A
  // failed answer leaves the buffer alone and reports a byte count of 0. With
  // nothing left to answer, the query fails with kFileNotFound.
  std::deque<Answer> answers;
  std::vector<std::uint32_t> querySizes;  // the buffer size of every query

  // Each systemTimes() call takes the front entry; nothing once they run out.
  std::deque<std::optional<SystemTimes>> times;
  int timesCalls = 0;

  // 9x dynamic data: the subkeys that open and the CPUUsage value read
  // through each; a subkey without a value fails the read.
  std::set<std::string> dynKeys;
  std::map<std::string, std::uint32_t> dynValues;
  // Every call: "open <key> <access>", "read <key> <name>", "close <key>".
  std::vector<std::string> dynLog;
  std::map<DynKey, std::string> openDynKeys;  // opened and not yet closed

  void answer(std::vector<std::uint8_t> data) { answers.push_back({kSuccess, std::move(data)}); }
  void fail(long status = kFileNotFound) { answers.push_back({status, {}}); }

  std::optional<std::uint32_t> platformId() override { return platform; }
  long queryProcessorData(std::uint8_t* buffer, std::uint32_t& size) override;
  std::optional<SystemTimes> systemTimes() override;
  std::optional<DynKey> openDynData(const std::string& subkey, std::uint32_t access) override;
  bool readDynDword(DynKey key, const std::string& name, std::uint32_t& value) override;
  void closeDynData(DynKey key) override;

 private:
  DynKey nextKey_ = 0x1000;
};

// Composes NT performance data the way the system lays it out: a data block
// with the computer's name, then each object with its header, its counter
// definitions and its instances, each instance followed by its counter block.
// The layout is the same for 32- and 64-bit processes.
class PerfDataBuilder {
 public:
  // Offsets of the published fields, for tests that damage the data.
  static constexpr std::size_t kBlockTotalByteLength = 20;
  static constexpr std::size_t kBlockHeaderLength = 24;
  static constexpr std::size_t kBlockNumObjectTypes = 28;
  static constexpr std::size_t kBlockSystemTime = 36;
  static constexpr std::size_t kBlockSize = 88;  // sizeof(PERF_DATA_BLOCK)

  static constexpr std::size_t kObjectTotalByteLength = 0;
  static constexpr std::size_t kObjectDefinitionLength = 4;
  static constexpr std::size_t kObjectHeaderLength = 8;
  static constexpr std::size_t kObjectNameTitleIndex = 12;
  static constexpr std::size_t kObjectNumCounters = 32;
  static constexpr std::size_t kObjectNumInstances = 40;
  static constexpr std::size_t kObjectSize = 64;  // sizeof(PERF_OBJECT_TYPE)

  static constexpr std::size_t kCounterByteLength = 0;
  static constexpr std::size_t kCounterNameTitleIndex = 4;
  static constexpr std::size_t kCounterSize = 32;
  static constexpr std::size_t kCounterOffset = 36;
  static constexpr std::size_t kCounterDefinitionSize = 40;  // sizeof(PERF_COUNTER_DEFINITION)

  static constexpr std::size_t kInstanceByteLength = 0;
  static constexpr std::size_t kInstanceNameOffset = 16;
  static constexpr std::size_t kInstanceNameLength = 20;
  static constexpr std::size_t kInstanceSize = 24;  // sizeof(PERF_INSTANCE_DEFINITION)

  static constexpr std::int32_t kNoInstances = -1;  // PERF_NO_INSTANCES

  // The SystemTime of the data: 1 May 2024 plus `ms` (less than a day).
  PerfDataBuilder& at(std::uint32_t ms);
  // The SystemTime's eight fields as they are, valid or not.
  PerfDataBuilder& systemTime(const CalendarTime& time);

  // An object with the counters of these title indexes, in order, and one
  // instance per value. Each instance holds `values[i]` in the counter titled
  // 6 and recognisable filler in the others.
  PerfDataBuilder& object(std::uint32_t title, std::vector<std::uint32_t> counters,
                          std::vector<std::int64_t> values);
  // An object without instances (PERF_NO_INSTANCES) and its one counter
  // block, holding `value` in the counter titled 6.
  PerfDataBuilder& singleObject(std::uint32_t title, std::vector<std::uint32_t> counters,
                                std::int64_t value);

  std::vector<std::uint8_t> build();

  // Where the last build() put things.
  std::size_t objectAt(std::size_t object) const { return objects_.at(object).at; }
  std::size_t counterAt(std::size_t object, std::size_t counter) const;
  std::size_t instanceAt(std::size_t object, std::size_t instance) const {
    return objects_.at(object).instances.at(instance);
  }

  // The filler a counter other than 6 holds, so a read of the wrong counter
  // stands out.
  static std::int64_t filler(std::uint32_t title, std::size_t instance) {
    return 7'000'000'000'000 + title * 1000 + static_cast<std::int64_t>(instance);
  }

  static void put16(std::vector<std::uint8_t>& data, std::size_t at, std::uint16_t value);
  static void put32(std::vector<std::uint8_t>& data, std::size_t at, std::uint32_t value);
  static void put64(std::vector<std::uint8_t>& data, std::size_t at, std::uint64_t value);

 private:
  struct Object {
    std::uint32_t title = 0;
    std::vector<std::uint32_t> counters;
    std::vector<std::int64_t> values;
    bool hasInstances = true;
    // Filled by build().
    std::size_t at = 0;
    std::vector<std::size_t> instances;
  };

  CalendarTime time_{2024, 5, 3, 1, 0, 0, 0, 0};
  std::vector<Object> objects_;
};

}  // namespace dozorik
