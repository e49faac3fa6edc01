#pragma once

#include <string>

namespace dozorik {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document or starts a program with the default verb. Whether
  // that worked is not reported: the user sees the result or nothing.
  virtual void open(const std::string& file) = 0;
};

}  // namespace dozorik
