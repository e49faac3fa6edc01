#pragma once

#include "platform/message_pump.h"

namespace dozorik::win32 {

// Runs the window messages waiting in this thread's queue, with the keyboard
// navigation of whichever of the program's windows each is for. A quit
// request met on the way is put back, so the message loop further out still
// ends.
class Win32MessagePump : public MessagePump {
 public:
  void processMessages() override;
};

}  // namespace dozorik::win32
