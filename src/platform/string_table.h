#pragma once

#include <string>

namespace dozorik {

// Texts kept in the program's string table.
class StringTable {
 public:
  virtual ~StringTable() = default;
  // The text of an identifier; empty when there is none.
  virtual std::string load(int id) = 0;
};

}  // namespace dozorik
