#pragma once

#include "platform/screen.h"

namespace dozorik::win32 {

// The primary display, read through the desktop window's device context.
class Win32Screen : public Screen {
 public:
  // source: the window (an HWND) whose device context the copy reads; the
  // desktop window unless a test names another.
  explicit Win32Screen(void* source = nullptr) : source_(source) {}

  bool capturePrimaryDisplay(ScreenPicture& picture) override;

 private:
  void* source_;
};

}  // namespace dozorik::win32
