#pragma once

#include <string>

namespace dozorik {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document or starts a program with the default verb, handing it
  // the parameters. Whether that worked is not reported: the user sees the
  // result or nothing.
  virtual void open(const std::string& file, const std::string& parameters) = 0;

  // Hands an address to the user's web browser (the verb "open").
  virtual void browse(const std::string& url) = 0;
};

}  // namespace dozorik
