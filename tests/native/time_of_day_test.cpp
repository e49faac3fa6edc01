#include <gtest/gtest.h>

#include "app/time_of_day.h"

namespace dozorik {
namespace {

TEST(TimeOfDay, FollowsTheLocalesClockSeparatorAndMarker) {
  const LocalTime morning{2027, 1, 3, 9, 5, 7, 0};
  const LocalTime midnight{2027, 1, 3, 0, 30, 0, 0};
  const LocalTime afternoon{2027, 1, 3, 14, 3, 27, 0};

  TimeFormat slovak;  // 24-hour, no leading zero
  slovak.hourLeadingZero = false;
  EXPECT_EQ(shortTimeOfDay(morning, slovak), "9:05");
  EXPECT_EQ(longTimeOfDay(afternoon, slovak), "14:03:27");

  TimeFormat us;
  us.twelveHour = true;
  us.hourLeadingZero = false;
  EXPECT_EQ(longTimeOfDay(afternoon, us), "2:03:27 PM");
  EXPECT_EQ(shortTimeOfDay(midnight, us), "12:30 AM");

  TimeFormat before = us;
  before.markerBeforeTime = true;
  before.amMarker = "午前";
  before.separator = ".";
  before.hourLeadingZero = true;
  EXPECT_EQ(shortTimeOfDay(morning, before), "午前 09.05");

  before.amMarker = "";  // a locale without markers gets no blank either
  EXPECT_EQ(shortTimeOfDay(morning, before), "09.05");
}

}  // namespace
}  // namespace dozorik
