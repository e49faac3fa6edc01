#pragma once

#include <string>

#include "platform/locale.h"

namespace dozorik::win32 {

// The current user's regional settings, read afresh on every call so a
// change in the control panel shows at once.
class Win32Locale : public Locale {
 public:
  TimeFormat timeFormat() override;
  std::string decimalSeparator() override;
  std::string toAnsi(const std::string& utf8) override;
};

}  // namespace dozorik::win32
