#pragma once

#include <string>
#include <vector>

namespace dozorik {

class Process {
 public:
  virtual ~Process() = default;
  // Full path of the running program file.
  virtual std::string modulePath() = 0;
  // The command-line arguments after the program's name.
  virtual std::vector<std::string> arguments() = 0;
  // The computer's name, as the network knows it.
  virtual std::string computerName() = 0;
  // The current folder the program was started in, before anything moved it.
  virtual std::string startFolder() = 0;
};

}  // namespace dozorik
