#pragma once

#include <optional>
#include <string>

namespace dozorik::ui {

// A decimal integer as the program stores and types them: an optional sign
// and decimal digits, nothing else (no blanks, no "0x"), within 32 bits.
// Nothing for any other text.
std::optional<int> integerFromText(const std::string& text);

}  // namespace dozorik::ui
