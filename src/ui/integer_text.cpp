#include "ui/integer_text.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace dozorik::ui {

std::optional<int> integerFromText(const std::string& text) {
  const std::size_t digits = text.find_first_not_of("+-") == 1 ? 1 : 0;
  if (text.size() <= digits || text.find_first_not_of("0123456789", digits) != std::string::npos) {
    return std::nullopt;
  }
  errno = 0;
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (errno != 0 || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace dozorik::ui
