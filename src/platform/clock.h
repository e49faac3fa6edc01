#pragma once

#include <cstdint>

namespace dozorik {

struct LocalTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;
  int hour = 0;  // 0..23
  int minute = 0;
  int second = 0;
  int milliseconds = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() = 0;
  // Milliseconds from a clock that only goes forward (since the system
  // started), for what happens at most so often.
  virtual std::uint64_t milliseconds() = 0;
};

}  // namespace dozorik
