#pragma once

#include <optional>
#include <string>

namespace dozorik::ui {

// A decimal integer as the program stores and types them: an optional sign
// and decimal digits, with blanks around them allowed (nothing else: no
// blanks inside, no "0x"). A number beyond 32 bits, however many digits it
// has, reads as the nearest 32-bit value, so that a range clamps it rather
// than taking it for no number at all. Nothing for any other text.
std::optional<int> integerFromText(const std::string& text);

}  // namespace dozorik::ui
