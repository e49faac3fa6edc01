#pragma once

// Every control of some windows, for checks that walk them all: the windows
// themselves first, then their children, breadth first.

#include <vector>

#include "ui/control.h"

namespace dozorik {

inline std::vector<const ui::Control*> controlsOf(std::vector<const ui::Control*> windows) {
  for (std::size_t i = 0; i < windows.size(); ++i) {
    windows.insert(windows.end(), windows[i]->children().begin(), windows[i]->children().end());
  }
  return windows;
}

}  // namespace dozorik
