#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/screen.h"

namespace dozorik {

// The name a capture is saved under: 2027_01_03__090507.bmp, on the 24-hour
// clock, so that the names sort in time order.
std::string screenshotName(const LocalTime& time);

// The picture as a standard uncompressed 24-bit BMP file.
std::string encodeBmp(const ScreenPicture& picture);

}  // namespace dozorik
