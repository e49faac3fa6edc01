#include "platform/win32/message_pump_win32.h"

#include <windows.h>

#include "platform/win32/dialog_keys_win32.h"

namespace dozorik::win32 {

void Win32MessagePump::processMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Windows hands WM_QUIT out only once the queue is otherwise empty,
      // so posting it again here does not bring it back into this loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (handleDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace dozorik::win32
