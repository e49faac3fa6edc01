#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/locale.h"

namespace dozorik {

// A time of day as the user's locale writes it, without a date: the short
// form (hours and minutes) stamps a watch's start and end, the long form
// (with seconds) starts every log line.
std::string shortTimeOfDay(const LocalTime& time, const TimeFormat& format);
std::string longTimeOfDay(const LocalTime& time, const TimeFormat& format);

}  // namespace dozorik
