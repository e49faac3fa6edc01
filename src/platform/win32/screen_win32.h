#pragma once

#include "platform/screen.h"

namespace dozorik::win32 {

// The primary display, read through the desktop window's device context.
class Win32Screen : public Screen {
 public:
  ScreenPicture capturePrimaryDisplay() override;
};

}  // namespace dozorik::win32
