#pragma once

#include <optional>
#include <string>

namespace dozorik {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document or starts a program with the default verb, handing it
  // the parameters. Nothing when the shell took it; else the system's reason.
  virtual std::optional<std::string> open(const std::string& file,
                                          const std::string& parameters) = 0;

  // Hands an address to the user's web browser (the verb "open").
  virtual void browse(const std::string& url) = 0;
};

}  // namespace dozorik
