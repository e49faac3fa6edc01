#pragma once

// The program's switches, for scripts: arm a watch, set what it waits for and
// what it does at its end, or stop it. Read from the arguments as Windows
// splits the command line (CommandLineToArgvW), whether this start opens the
// window or hands them to a Dozorik that already runs.

#include <optional>
#include <string>
#include <vector>

#include "actions/end_action.h"
#include "texts/texts.h"

namespace dozorik {

// What a command line asks for. Every switch is optional; only those given
// change anything.
struct Command {
  std::optional<int> thresholdPosition;  // /prah N: the track bar's position, N / 10
  std::optional<EndAction> action;       // /akcia
  std::optional<std::string> file;       // /subor, made full against the start's folder
  std::optional<std::string> parameter;  // /parameter
  std::optional<int> quietTicks;         // /tikov
  std::optional<int> countdownSeconds;   // /odpocet
  std::optional<std::string> programs;   // /program, the names as given
  bool stop = false;                     // /zrus
  bool arm = false;                      // /r
  bool help = false;                     // /?

  // No switch at all.
  bool empty() const;
  // Only /zrus.
  bool onlyStop() const;
  bool operator==(const Command& other) const;
};

struct ParsedCommandLine {
  Command command;
  // What is wrong, naming the switch; empty when nothing is.
  std::string error;
  bool ok() const { return error.empty(); }
};

// Reads the arguments after the program's name. A switch starts with "/" or
// "-" and is a Slovak word in any letter case, whatever the language of the
// texts (which only say what is wrong); each that takes a value takes
// the next argument, whatever it is. A number takes blanks around it, nothing
// else. Each switch may come once. A relative /subor is made full against
// `startFolder`, the folder the start was made in.
//
// An older Dozorik wrote its run-once command with its path unquoted: a path
// with blanks reaches the program split at them, its pieces before "/r". As
// such a command line never armed a watch, it means nothing now either;
// `programPath` tells those pieces.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args,
                                   const std::string& startFolder, const std::string& programPath,
                                   const Texts& texts = Texts());

// The usage, for a message box: every switch with its values, and two
// examples.
std::string commandLineUsage(const Texts& texts = Texts());

// A bad command line's box text: what is wrong, then the usage.
std::string commandLineErrorText(const std::string& error, const Texts& texts = Texts());

}  // namespace dozorik
