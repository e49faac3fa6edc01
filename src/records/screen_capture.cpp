#include "records/screen_capture.h"

#include <cstdint>
#include <cstdio>

namespace dozorik {

namespace {

void put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string screenshotName(const LocalTime& time) {
  char name[40];
  std::snprintf(name, sizeof name, "%04d_%02d_%02d__%02d%02d%02d.bmp", time.year, time.month,
                time.day, time.hour, time.minute, time.second);
  return name;
}

std::string encodeBmp(const ScreenPicture& picture) {
  const std::uint32_t rowBytes = static_cast<std::uint32_t>(picture.width) * 3;
  const std::uint32_t stride = (rowBytes + 3) & ~3u;
  const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(picture.height);
  constexpr std::uint32_t kHeaders = 14 + 40;

  std::string out;
  out.reserve(kHeaders + imageBytes);
  out += "BM";
  put(out, kHeaders + imageBytes, 4);
  put(out, 0, 4);  // reserved
  put(out, kHeaders, 4);
  put(out, 40, 4);  // BITMAPINFOHEADER
  put(out, static_cast<std::uint32_t>(picture.width), 4);
  put(out, static_cast<std::uint32_t>(picture.height), 4);  // positive: bottom row first
  put(out, 1, 2);
  put(out, 24, 2);
  put(out, 0, 4);  // BI_RGB
  put(out, imageBytes, 4);
  put(out, 3780, 4);  // 96 dots per inch
  put(out, 3780, 4);
  put(out, 0, 4);
  put(out, 0, 4);
  for (int y = picture.height - 1; y >= 0; --y) {
    const auto* row = picture.pixels.data() + static_cast<std::size_t>(y) * rowBytes;
    out.append(reinterpret_cast<const char*>(row), rowBytes);
    out.append(stride - rowBytes, '\0');
  }
  return out;
}

}  // namespace dozorik
