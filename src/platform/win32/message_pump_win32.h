#pragma once

#include "platform/message_pump.h"

namespace dozorik::win32 {

// Runs the window messages waiting in this thread's queue. A quit request
// met on the way is put back, so the message loop further out still ends.
class Win32MessagePump : public MessagePump {
 public:
  // dialog: a window (HWND) whose keyboard navigation (Tab between the
  // controls) the pump handles as the main loop does; may be null.
  explicit Win32MessagePump(void* dialog = nullptr) : dialog_(dialog) {}
  void setDialog(void* dialog) { dialog_ = dialog; }

  void processMessages() override;

 private:
  void* dialog_;
};

}  // namespace dozorik::win32
