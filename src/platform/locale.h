#pragma once

#include <string>

namespace dozorik {

// How the user's locale writes a time of day.
struct TimeFormat {
  std::string separator = ":";
  bool hourLeadingZero = true;
  bool twelveHour = false;
  std::string amMarker = "AM";
  std::string pmMarker = "PM";
  bool markerBeforeTime = false;
};

class Locale {
 public:
  virtual ~Locale() = default;
  virtual TimeFormat timeFormat() = 0;
  virtual std::string decimalSeparator() = 0;
  // The text in the system's single-byte (ANSI) code page, for files that
  // other programs read as plain bytes.
  virtual std::string toAnsi(const std::string& utf8) = 0;
};

}  // namespace dozorik
