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
  // Copies the whole primary display. Throws Error when it can't.
  virtual ScreenPicture capturePrimaryDisplay() = 0;
};

}  // namespace dozorik
