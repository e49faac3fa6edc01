#pragma once

#include "platform/message_box.h"

namespace dozorik::win32 {

// Modal message boxes over the owner window (an HWND, or null before the
// window exists).
class Win32MessageBoxes : public MessageBoxes {
 public:
  explicit Win32MessageBoxes(void* owner = nullptr) : owner_(owner) {}
  void setOwner(void* owner) { owner_ = owner; }

  MessageAnswer show(const std::string& text, const std::string& caption, MessageIcon icon,
                     MessageButtons buttons) override;

 private:
  void* owner_;
};

}  // namespace dozorik::win32
