#pragma once

#include <string>

#include "platform/string_table.h"

namespace dozorik::win32 {

// The string table among the program file's resources.
class Win32StringTable : public StringTable {
 public:
  std::string load(int id) override;
};

}  // namespace dozorik::win32
