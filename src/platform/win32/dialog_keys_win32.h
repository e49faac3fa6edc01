#pragma once

// Keyboard navigation in the program's own windows, for every message loop.

#include <windows.h>

namespace dozorik::win32 {

// Tab, the arrow keys, Enter and Escape, taken as a dialog takes them, when
// the message is for one of the program's form windows or a control on it.
// The window is found from the message itself (its top-level window and that
// window's class), so every loop serves every window that is open. True when
// the message has been handled, and so dispatched.
bool handleDialogKeys(MSG& msg);

}  // namespace dozorik::win32
