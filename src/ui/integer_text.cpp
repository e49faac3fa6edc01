#include "ui/integer_text.h"

#include <cstdint>

namespace dozorik::ui {

std::optional<int> integerFromText(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const std::size_t last = text.find_last_not_of(" \t");
  std::size_t at = first;
  const bool negative = text[at] == '-';
  if (text[at] == '+' || text[at] == '-') ++at;
  if (at > last) return std::nullopt;
  // Accumulated as a magnitude that stops growing past the 32-bit range.
  constexpr std::int64_t kBeyond = std::int64_t{INT32_MAX} + 2;
  std::int64_t magnitude = 0;
  for (; at <= last; ++at) {
    const char c = text[at];
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kBeyond) magnitude = kBeyond;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int>(value);
}

}  // namespace dozorik::ui
