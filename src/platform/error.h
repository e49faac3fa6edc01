#pragma once

#include <stdexcept>
#include <string>

namespace dozorik {

// The one error type of the program. Its text is what the user reads in the
// error box, so it is always a complete, fixed sentence.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace dozorik
