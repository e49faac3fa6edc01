#include "cpuload/perf_data_walker.h"

#include <algorithm>
#include <cstring>

namespace dozorik {
namespace {

// The published winperf.h layouts, as far as the walk reads them, with
// fixed-width members. The title members (ObjectNameTitle, CounterNameTitle
// and their help twins) are a DWORD in 64-bit builds and an LPWSTR in 32-bit
// ones: 32 bits either way, so one description fits the data the system
// hands a process of either bitness.
struct DataBlockLayout {  // PERF_DATA_BLOCK, up to its SystemTime
  std::uint16_t Signature[4];
  std::uint32_t LittleEndian;
  std::uint32_t Version;
  std::uint32_t Revision;
  std::uint32_t TotalByteLength;
  std::uint32_t HeaderLength;
  std::uint32_t NumObjectTypes;
  std::int32_t DefaultObject;
  CalendarTime SystemTime;
};

struct ObjectLayout {  // PERF_OBJECT_TYPE, up to CodePage
  std::uint32_t TotalByteLength;
  std::uint32_t DefinitionLength;
  std::uint32_t HeaderLength;
  std::uint32_t ObjectNameTitleIndex;
  std::uint32_t ObjectNameTitle;
  std::uint32_t ObjectHelpTitleIndex;
  std::uint32_t ObjectHelpTitle;
  std::uint32_t DetailLevel;
  std::uint32_t NumCounters;
  std::int32_t DefaultCounter;
  std::int32_t NumInstances;
  std::uint32_t CodePage;
};

struct CounterDefinitionLayout {  // PERF_COUNTER_DEFINITION
  std::uint32_t ByteLength;
  std::uint32_t CounterNameTitleIndex;
  std::uint32_t CounterNameTitle;
  std::uint32_t CounterHelpTitleIndex;
  std::uint32_t CounterHelpTitle;
  std::int32_t DefaultScale;
  std::uint32_t DetailLevel;
  std::uint32_t CounterType;
  std::uint32_t CounterSize;
  std::uint32_t CounterOffset;
};

struct InstanceLayout {  // PERF_INSTANCE_DEFINITION
  std::uint32_t ByteLength;
  std::uint32_t ParentObjectTitleIndex;
  std::uint32_t ParentObjectInstance;
  std::int32_t UniqueID;
  std::uint32_t NameOffset;
  std::uint32_t NameLength;
};

struct CounterBlockLayout {  // PERF_COUNTER_BLOCK
  std::uint32_t ByteLength;
};

static_assert(offsetof(DataBlockLayout, HeaderLength) == 24);
static_assert(offsetof(DataBlockLayout, SystemTime) == 36);
static_assert(sizeof(DataBlockLayout) == 52);
static_assert(offsetof(ObjectLayout, NumInstances) == 40);
static_assert(sizeof(ObjectLayout) == 48);
static_assert(offsetof(CounterDefinitionLayout, CounterOffset) == 36);
static_assert(sizeof(CounterDefinitionLayout) == 40);
static_assert(sizeof(InstanceLayout) == 24);

// The smallest room one instance can take: its definition and the length
// field of its counter block. Caps an instance count that the data could not
// possibly hold.
constexpr std::uint64_t kMinInstanceBytes = sizeof(InstanceLayout) + sizeof(CounterBlockLayout);

// The returned bytes; every read is checked against their end. Positions are
// 64-bit so that adding any 32-bit length from the data can't wrap.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint64_t size() const { return size_; }

  template <class T>
  std::optional<T> read(std::uint64_t at) const {
    if (at > size_ || sizeof(T) > size_ - at) return std::nullopt;
    T value;
    std::memcpy(&value, data_ + at, sizeof(T));
    return value;
  }

 private:
  const std::uint8_t* data_;
  std::uint64_t size_;
};

// The walk steps at most `count` times from record to record by each
// record's own length and then looks at the record where it stands (so with
// a count of 0 it looks at the first one). Returns that record's position
// when `matches` accepts it. A zero length would keep the walk in place for
// the rest of the count, so it stops there at once; any other length moves
// it forward until it leaves the data.
template <class Layout, class Matches, class Length>
std::optional<std::uint64_t> find(const Bytes& bytes, std::uint64_t at, std::uint32_t count,
                                  Matches matches, Length length) {
  for (std::uint32_t n = 0; n < count; ++n) {
    auto record = bytes.read<Layout>(at);
    if (!record || matches(*record)) break;
    std::uint32_t step = length(*record);
    if (step == 0) break;
    at += step;
  }
  auto record = bytes.read<Layout>(at);
  if (record && matches(*record)) return at;
  return std::nullopt;
}

bool isLeapYear(unsigned year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned daysInMonth(unsigned month, unsigned year) {
  static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<std::int64_t> calendarTo100ns(const CalendarTime& t) {
  // The range SYSTEMTIME documents for wYear; later years overflow FILETIME.
  if (t.year < 1601 || t.year > 30827) return std::nullopt;
  if (t.month < 1 || t.month > 12) return std::nullopt;
  if (t.day < 1 || t.day > daysInMonth(t.month, t.year)) return std::nullopt;
  if (t.hour > 23 || t.minute > 59 || t.second > 59 || t.milliseconds > 999) return std::nullopt;

  // Days since 1600-03-01, counting years from March so that a leap day
  // ends its counted year; 1600 starts a 400-year cycle of the calendar.
  std::int64_t year = t.year - 1600 - (t.month <= 2 ? 1 : 0);
  std::int64_t month = t.month > 2 ? t.month - 3 : t.month + 9;
  std::int64_t era = year / 400;
  std::int64_t yearOfEra = year - era * 400;
  std::int64_t dayOfYear = (153 * month + 2) / 5 + t.day - 1;
  std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  // 1600-03-01 lies 306 days before 1601-01-01.
  std::int64_t days = era * 146097 + dayOfEra - 306;

  std::int64_t seconds = ((days * 24 + t.hour) * 60 + t.minute) * 60 + t.second;
  return (seconds * 1000 + t.milliseconds) * 10000;
}

WalkResult walkProcessorData(const std::uint8_t* data, std::size_t size, ProcessorData& out) {
  out.instances = 0;
  out.counters.clear();
  out.time.reset();

  Bytes bytes(data, size);
  auto block = bytes.read<DataBlockLayout>(0);
  if (!block) return WalkResult::NoObject;
  out.time = calendarTo100ns(block->SystemTime);

  auto objectAt = find<ObjectLayout>(
      bytes, block->HeaderLength, block->NumObjectTypes,
      [](const ObjectLayout& o) { return o.ObjectNameTitleIndex == kProcessorObject; },
      [](const ObjectLayout& o) { return o.TotalByteLength; });
  if (!objectAt) return WalkResult::NoObject;
  auto object = *bytes.read<ObjectLayout>(*objectAt);

  // PERF_NO_INSTANCES (-1) marks an object with one counter block and no
  // instances: nothing to walk.
  std::uint64_t firstInstance = *objectAt + object.DefinitionLength;
  std::uint64_t room = firstInstance < bytes.size() ? bytes.size() - firstInstance : 0;
  std::uint64_t fits = room / kMinInstanceBytes;
  std::int64_t listed = std::max<std::int32_t>(object.NumInstances, 0);
  out.instances = static_cast<std::int32_t>(std::min<std::uint64_t>(listed, fits));

  auto counterAt = find<CounterDefinitionLayout>(
      bytes, *objectAt + object.HeaderLength, object.NumCounters,
      [](const CounterDefinitionLayout& c) {
        return c.CounterNameTitleIndex == kProcessorTimeCounter;
      },
      [](const CounterDefinitionLayout& c) { return c.ByteLength; });
  if (!counterAt) return WalkResult::NoCounter;
  std::uint32_t counterOffset = bytes.read<CounterDefinitionLayout>(*counterAt)->CounterOffset;

  // Each instance definition is followed by its counter block; the next
  // instance follows the block. The walk ends early at the first instance
  // that doesn't lie wholly inside the data.
  std::uint64_t at = firstInstance;
  for (std::int32_t i = 0; i < out.instances; ++i) {
    auto instance = bytes.read<InstanceLayout>(at);
    if (!instance) break;
    std::uint64_t blockAt = at + instance->ByteLength;
    auto counters = bytes.read<CounterBlockLayout>(blockAt);
    if (!counters) break;
    auto value = bytes.read<std::int64_t>(blockAt + counterOffset);
    if (!value) break;
    out.counters.push_back(*value);
    at = blockAt + counters->ByteLength;
  }
  return WalkResult::Found;
}

}  // namespace dozorik
