#pragma once

// Reads the processor object out of the NT performance data that
// RegQueryValueEx(HKEY_PERFORMANCE_DATA, "238") returns. The data comes from
// outside the process, so every offset it holds is checked against the byte
// count the query returned before anything is read there. Standard library
// only: the fuzz target compiles this file alone.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace dozorik {

constexpr std::uint32_t kProcessorObject = 238;       // "Processor"
constexpr std::uint32_t kProcessorTimeCounter = 6;    // "% Processor Time", an idle timer

enum class WalkResult {
  Found,      // object and counter both present
  NoObject,   // no object 238
  NoCounter,  // object 238 without counter 6
};

struct ProcessorData {
  // The object's NumInstances: 0 for an object without instances, and never
  // more than the rest of the data could hold. Meaningless after NoObject.
  std::int32_t instances = 0;
  // Raw counter 6 of the leading instances that lie wholly inside the data, in
  // the order the data lists them; at most `instances` of them. Filled only
  // when the walk answers Found. Kept as a member so its storage is reused
  // from one sample to the next.
  std::vector<std::int64_t> counters;
  // The data block's SystemTime in 100 ns units since 1601-01-01; nothing when
  // the data is too short to hold it or the time is not a valid date.
  std::optional<std::int64_t> time;
};

// Walks `size` bytes at `data` and fills `out`. Never reads outside
// [data, data + size).
WalkResult walkProcessorData(const std::uint8_t* data, std::size_t size, ProcessorData& out);

// The eight 16-bit fields of a SYSTEMTIME, in their published order.
struct CalendarTime {
  std::uint16_t year = 0;
  std::uint16_t month = 0;
  std::uint16_t dayOfWeek = 0;
  std::uint16_t day = 0;
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;
};

// What SystemTimeToFileTime makes of it: 100 ns units since 1601-01-01.
// Nothing for the fields it rejects (any field out of range, a day past the
// month's end). The day of the week is ignored, as it does.
std::optional<std::int64_t> calendarTo100ns(const CalendarTime& time);

}  // namespace dozorik
