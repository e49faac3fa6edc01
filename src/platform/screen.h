#pragma once

#include <cstdint>
#include <vector>

namespace dozorik {

// A picture of the screen: rows from the top, each pixel as blue, green,
// red (one byte each), rows packed without padding.
struct ScreenPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

class Screen {
 public:
  virtual ~Screen() = default;
  // Makes the picture as large as the primary display and copies into it
  // what the system lets be copied. A locked workstation, a secure desktop
  // or a secure screen saver refuses: the picture is then black where
  // nothing was copied, and the answer is false.
  virtual bool capturePrimaryDisplay(ScreenPicture& picture) = 0;
};

}  // namespace dozorik
