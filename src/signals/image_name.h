#pragma once

#include <string_view>

namespace dozorik::signals {

// Whether two program file names are the same file name to Windows, which
// compares them without regard to letter case. Letters beyond ASCII are
// compared as they are.
bool sameImageName(std::string_view a, std::string_view b);

}  // namespace dozorik::signals
