#include "app/time_of_day.h"

namespace dozorik {

namespace {

std::string twoDigits(int n) {
  return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}

std::string timeOfDay(const LocalTime& time, const TimeFormat& format, bool withSeconds) {
  int hour = time.hour;
  if (format.twelveHour) {
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  std::string text = format.hourLeadingZero ? twoDigits(hour) : std::to_string(hour);
  text += format.separator + twoDigits(time.minute);
  if (withSeconds) text += format.separator + twoDigits(time.second);
  if (!format.twelveHour) return text;

  const std::string& marker = time.hour < 12 ? format.amMarker : format.pmMarker;
  if (marker.empty()) return text;
  return format.markerBeforeTime ? marker + " " + text : text + " " + marker;
}

}  // namespace

std::string shortTimeOfDay(const LocalTime& time, const TimeFormat& format) {
  return timeOfDay(time, format, false);
}

std::string longTimeOfDay(const LocalTime& time, const TimeFormat& format) {
  return timeOfDay(time, format, true);
}

}  // namespace dozorik
