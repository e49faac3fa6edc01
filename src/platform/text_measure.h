#pragma once

#include <string>

namespace dozorik {

// How wide a text is in pixels when drawn in a given font on the screen.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int width(const std::string& text, const std::string& fontFace, int fontHeight,
                    bool bold) = 0;
};

}  // namespace dozorik
