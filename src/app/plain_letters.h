#pragma once

#include <string>

namespace dozorik {

// The text with its Slovak letters written without their marks (č as c, ô
// as o), for the main window: its bitmap font lacks them outside Central
// European Windows. Other letters stay as they are.
std::string withoutDiacritics(const std::string& text);

}  // namespace dozorik
