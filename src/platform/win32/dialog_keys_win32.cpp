#include "platform/win32/dialog_keys_win32.h"

#include "platform/win32/window_class_win32.h"

namespace dozorik::win32 {

bool handleDialogKeys(MSG& msg) {
  if (!msg.hwnd) return false;  // a message for the thread, not a window
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  return root && isFormWindow(root) && IsDialogMessageW(root, &msg);
}

}  // namespace dozorik::win32
