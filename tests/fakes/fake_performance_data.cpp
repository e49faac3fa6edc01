#include "fakes/fake_performance_data.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace dozorik {

long FakePerformanceData::queryProcessorData(std::uint8_t* buffer, std::uint32_t& size) {
  querySizes.push_back(size);
  if (answers.empty()) {
    size = 0;
    return kFileNotFound;
  }
  Answer& next = answers.front();
  if (next.status != kSuccess) {
    long status = next.status;
    answers.pop_front();
    // The byte count of a failed query means nothing; a caller that
    // trusted it would lose its data.
    size = 0;
    return status;
  }
  if (next.data.size() > size) {
    size = 0;
    return kMoreData;
  }
  std::memcpy(buffer, next.data.data(), next.data.size());
  std::fill(buffer + next.data.size(), buffer + size, kPastEnd);
  size = static_cast<std::uint32_t>(next.data.size());
  answers.pop_front();
  return kSuccess;
}

std::optional<PerformanceData::SystemTimes> FakePerformanceData::systemTimes() {
  ++timesCalls;
  if (times.empty()) return std::nullopt;
  auto next = times.front();
  times.pop_front();
  return next;
}

std::optional<PerformanceData::DynKey> FakePerformanceData::openDynData(const std::string& subkey,
                                                                        std::uint32_t access) {
  dynLog.push_back("open " + subkey + " " + std::to_string(access));
  if (dynKeys.count(subkey) == 0) return std::nullopt;
  DynKey key = nextKey_++;
  openDynKeys[key] = subkey;
  return key;
}

bool FakePerformanceData::readDynDword(DynKey key, const std::string& name, std::uint32_t& value) {
  auto open = openDynKeys.find(key);
  if (open == openDynKeys.end()) throw std::logic_error("read through a key that is not open");
  dynLog.push_back("read " + open->second + " " + name);
  auto found = dynValues.find(open->second);
  if (found == dynValues.end()) return false;
  value = found->second;
  return true;
}

void FakePerformanceData::closeDynData(DynKey key) {
  auto open = openDynKeys.find(key);
  if (open == openDynKeys.end()) throw std::logic_error("close of a key that is not open");
  dynLog.push_back("close " + open->second);
  openDynKeys.erase(open);
}

PerfDataBuilder& PerfDataBuilder::at(std::uint32_t ms) {
  if (ms >= 24u * 3600 * 1000) throw std::invalid_argument("more than a day");
  time_ = CalendarTime{2024,
                       5,
                       3,
                       1,
                       static_cast<std::uint16_t>(ms / 3'600'000),
                       static_cast<std::uint16_t>(ms / 60'000 % 60),
                       static_cast<std::uint16_t>(ms / 1000 % 60),
                       static_cast<std::uint16_t>(ms % 1000)};
  return *this;
}

PerfDataBuilder& PerfDataBuilder::systemTime(const CalendarTime& time) {
  time_ = time;
  return *this;
}

PerfDataBuilder& PerfDataBuilder::object(std::uint32_t title, std::vector<std::uint32_t> counters,
                                         std::vector<std::int64_t> values) {
  Object o;
  o.title = title;
  o.counters = std::move(counters);
  o.values = std::move(values);
  objects_.push_back(std::move(o));
  return *this;
}

PerfDataBuilder& PerfDataBuilder::singleObject(std::uint32_t title,
                                               std::vector<std::uint32_t> counters,
                                               std::int64_t value) {
  object(title, std::move(counters), {value});
  objects_.back().hasInstances = false;
  return *this;
}

std::size_t PerfDataBuilder::counterAt(std::size_t object, std::size_t counter) const {
  return objects_.at(object).at + kObjectSize + counter * kCounterDefinitionSize;
}

void PerfDataBuilder::put16(std::vector<std::uint8_t>& data, std::size_t at, std::uint16_t value) {
  std::memcpy(data.data() + at, &value, sizeof value);
}

void PerfDataBuilder::put32(std::vector<std::uint8_t>& data, std::size_t at, std::uint32_t value) {
  std::memcpy(data.data() + at, &value, sizeof value);
}

void PerfDataBuilder::put64(std::vector<std::uint8_t>& data, std::size_t at, std::uint64_t value) {
  std::memcpy(data.data() + at, &value, sizeof value);
}

namespace {

// Appends `text` as a terminated UTF-16 string padded to 8 bytes; answers
// its length with the terminator, before padding.
std::size_t appendName(std::vector<std::uint8_t>& data, const std::string& text) {
  std::size_t length = (text.size() + 1) * 2;
  for (char c : text) {
    data.push_back(static_cast<std::uint8_t>(c));
    data.push_back(0);
  }
  data.insert(data.end(), 2, 0);
  while (data.size() % 8 != 0) data.push_back(0);
  return length;
}

// A counter block: its length, padding to 8 bytes, then one 64-bit value
// per counter.
constexpr std::size_t kCounterBlockHeader = 8;
constexpr std::uint32_t kTimerInverse = 0x21510500;  // PERF_100NSEC_TIMER_INV

}  // namespace

std::vector<std::uint8_t> PerfDataBuilder::build() {
  std::vector<std::uint8_t> data(kBlockSize, 0);
  static constexpr char kSignature[] = "PERF";
  for (int i = 0; i < 4; ++i) put16(data, 2 * i, static_cast<std::uint16_t>(kSignature[i]));
  put32(data, 8, 1);   // LittleEndian
  put32(data, 12, 1);  // Version
  put32(data, 16, 1);  // Revision
  put32(data, kBlockNumObjectTypes, static_cast<std::uint32_t>(objects_.size()));
  put32(data, 32, 238);  // DefaultObject
  const std::uint16_t fields[] = {time_.year,   time_.month,  time_.dayOfWeek, time_.day,
                                  time_.hour,   time_.minute, time_.second,    time_.milliseconds};
  for (int i = 0; i < 8; ++i) put16(data, kBlockSystemTime + 2 * i, fields[i]);
  std::size_t nameLength = appendName(data, "DOZORIK");
  put32(data, 80, static_cast<std::uint32_t>(nameLength));  // SystemNameLength
  put32(data, 84, kBlockSize);                               // SystemNameOffset
  put32(data, kBlockHeaderLength, static_cast<std::uint32_t>(data.size()));

  for (Object& o : objects_) {
    o.at = data.size();
    o.instances.clear();
    data.resize(data.size() + kObjectSize + o.counters.size() * kCounterDefinitionSize, 0);
    put32(data, o.at + kObjectDefinitionLength,
          static_cast<std::uint32_t>(kObjectSize + o.counters.size() * kCounterDefinitionSize));
    put32(data, o.at + kObjectHeaderLength, kObjectSize);
    put32(data, o.at + kObjectNameTitleIndex, o.title);
    put32(data, o.at + kObjectNumCounters, static_cast<std::uint32_t>(o.counters.size()));
    put32(data, o.at + kObjectNumInstances,
          o.hasInstances ? static_cast<std::uint32_t>(o.values.size())
                         : static_cast<std::uint32_t>(kNoInstances));
    for (std::size_t c = 0; c < o.counters.size(); ++c) {
      std::size_t def = counterAt(&o - objects_.data(), c);
      put32(data, def + kCounterByteLength, kCounterDefinitionSize);
      put32(data, def + kCounterNameTitleIndex, o.counters[c]);
      put32(data, def + 28, kTimerInverse);  // CounterType
      put32(data, def + kCounterSize, 8);
      put32(data, def + kCounterOffset, static_cast<std::uint32_t>(kCounterBlockHeader + 8 * c));
    }

    std::size_t blockLength = kCounterBlockHeader + 8 * o.counters.size();
    for (std::size_t i = 0; i < o.values.size(); ++i) {
      if (o.hasInstances) {
        std::size_t instance = data.size();
        o.instances.push_back(instance);
        data.resize(instance + kInstanceSize, 0);
        std::size_t length = appendName(data, std::to_string(i));
        put32(data, instance + kInstanceByteLength,
              static_cast<std::uint32_t>(data.size() - instance));
        put32(data, instance + 12, static_cast<std::uint32_t>(-1));  // UniqueID: none
        put32(data, instance + kInstanceNameOffset, kInstanceSize);
        put32(data, instance + kInstanceNameLength, static_cast<std::uint32_t>(length));
      }
      std::size_t block = data.size();
      data.resize(block + blockLength, 0);
      put32(data, block, static_cast<std::uint32_t>(blockLength));
      for (std::size_t c = 0; c < o.counters.size(); ++c) {
        std::int64_t value = o.counters[c] == kProcessorTimeCounter ? o.values[i]
                                                                    : filler(o.counters[c], i);
        put64(data, block + kCounterBlockHeader + 8 * c, static_cast<std::uint64_t>(value));
      }
    }
    put32(data, o.at + kObjectTotalByteLength, static_cast<std::uint32_t>(data.size() - o.at));
  }
  put32(data, kBlockTotalByteLength, static_cast<std::uint32_t>(data.size()));
  return data;
}

}  // namespace dozorik
