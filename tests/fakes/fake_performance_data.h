#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/performance_data.h"

namespace dozorik {

// A scriptable PerformanceData that records what the sampler asks of it.
struct FakePerformanceData : PerformanceData {
  std::optional<std::uint32_t> platform = kPlatformNt;
  // Each query takes the front answer; empty data is a refusal (ERROR_ACCESS_DENIED, 5).
  // Data that doesn't fit the buffer answers kMoreData and stays in front, as the
  // system does; a failure leaves the buffer alone and a byte count of 0. With
  // nothing left to answer, the query fails with ERROR_FILE_NOT_FOUND (2).
  std::deque<std::vector<std::uint8_t>> answers;
  std::vector<std::uint32_t> querySizes;  // the buffer size of every query
  std::deque<SystemTimes> times;          // one per systemTimes(), then nothing
  // A machine of one processor group unless set; before Windows 7, none.
  std::optional<ProcessorCount> processors = ProcessorCount{4, 4};
  // Each reading of the processor information takes the front; as PDH, the
  // first is empty, and nothing (no such counters) once they run out.
  std::deque<std::optional<InstanceLoads>> information;
  int informationReadings = 0;

  // 9x: the subkeys that open, each with the CPUUsage value read through it
  // (none: the read fails); every call as "open|read|close <key> [...]" (a key
  // that isn't open shows as "(not open)"); and the keys open.
  std::map<std::string, std::optional<std::uint32_t>> dynKeys;
  std::vector<std::string> dynLog;
  std::map<DynKey, std::string> openDynKeys;

  std::optional<std::uint32_t> platformId() override { return platform; }
  long queryProcessorData(std::uint8_t* buffer, std::uint32_t& size) override {
    querySizes.push_back(size);
    const std::uint32_t room = size;
    size = 0;  // a caller that trusted a failure's byte count would lose its data
    if (answers.empty()) return 2;
    const std::vector<std::uint8_t> next = answers.front();
    if (next.size() > room) return kMoreData;
    answers.pop_front();
    if (next.empty()) return 5;
    std::copy(next.begin(), next.end(), buffer);
    // Past the data, filler: a read beyond shows as an absurd counter or a wild offset.
    std::fill(buffer + next.size(), buffer + room, 0xA5);
    size = static_cast<std::uint32_t>(next.size());
    return kSuccess;
  }
  std::optional<SystemTimes> systemTimes() override {
    if (times.empty()) return std::nullopt;
    const SystemTimes next = times.front();
    times.pop_front();
    return next;
  }
  std::optional<ProcessorCount> processorCount() override { return processors; }
  std::optional<InstanceLoads> processorInformation() override {
    ++informationReadings;
    if (information.empty()) return std::nullopt;
    auto next = information.front();
    information.pop_front();
    return next;
  }
  std::optional<DynKey> openDynData(const std::string& subkey, std::uint32_t access) override {
    dynLog.push_back("open " + subkey + " " + std::to_string(access));
    if (!dynKeys.count(subkey)) return std::nullopt;
    openDynKeys[++lastKey_] = subkey;
    return lastKey_;
  }
  bool readDynDword(DynKey key, const std::string& name, std::uint32_t& value) override {
    dynLog.push_back("read " + open(key) + " " + name);
    const auto found = dynKeys.find(open(key));
    if (found == dynKeys.end() || !found->second) return false;
    value = *found->second;
    return true;
  }
  void closeDynData(DynKey key) override {
    dynLog.push_back("close " + open(key));
    openDynKeys.erase(key);
  }

 private:
  std::string open(DynKey key) const {
    return openDynKeys.count(key) ? openDynKeys.at(key) : "(not open)";
  }
  DynKey lastKey_ = 0x1000;
};

// Composes NT performance data as the system lays it out for 32- and 64-bit
// processes alike: the data block and the computer's name, then each object's
// header, counter definitions and instances (definition, name, counter block).
struct PerfDataBuilder {
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

  // Adds an object with counters of these title indexes and one instance per value, held by
  // counter 6; the other counters hold filler that stands out when read by mistake.
  PerfDataBuilder& object(std::uint32_t title, const std::vector<std::uint32_t>& counters,
                          const std::vector<std::int64_t>& values);

  // The data, its SystemTime 1 May 2024 plus `ms` (less than a day).
  std::vector<std::uint8_t> build(std::uint32_t ms = 0) const;

  // Where each object, and each object's instances, start in the data.
  std::vector<std::size_t> objects;
  std::vector<std::vector<std::size_t>> instances;

  template <class T>
  static void put(std::vector<std::uint8_t>& data, std::size_t at, T value) {
    std::memcpy(data.data() + at, &value, sizeof value);
  }

 private:
  static constexpr std::size_t kName = 16;  // the computer's name, UTF-16, padded to 8 bytes
  std::vector<std::uint8_t> data_ = std::vector<std::uint8_t>(kBlockSize + kName);
};

}  // namespace dozorik
