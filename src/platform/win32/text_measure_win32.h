#pragma once

#include <string>

#include "platform/text_measure.h"

namespace dozorik::win32 {

// Measures texts on the screen's device context.
class Win32TextMeasure : public TextMeasure {
 public:
  int width(const std::string& text, const std::string& fontFace, int fontHeight,
            bool bold) override;
};

}  // namespace dozorik::win32
