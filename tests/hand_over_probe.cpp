// A later start of the program, for the Wine tests of the hand-over, as a
// process of its own: takes the place its first argument names, waiting up
// to its second (milliseconds) for the one that holds it, and hands over the
// rest of its arguments as the message. Ends with 10 when it got the place
// (at once, or after the holder ended), else with the holder's answer: 0
// taken, 1 refused, 2 none.

#include <string>
#include <vector>

#include "platform/win32/process_win32.h"
#include "platform/win32/single_instance_win32.h"
#include "platform/win32/wide.h"

using namespace dozorik;

int main() {
  win32::Win32Process process;
  const std::vector<std::string> args = process.arguments();
  if (args.size() < 2) return 99;
  win32::Win32SingleInstance instance(win32::widen(args[0]),
                                      static_cast<unsigned>(std::stoul(args[1])));
  if (instance.claim()) return 10;
  switch (instance.handOver({args.begin() + 2, args.end()})) {
    case SingleInstance::Answer::Taken: return 0;
    case SingleInstance::Answer::Refused: return 1;
    case SingleInstance::Answer::NotReached: break;
  }
  return instance.claim() ? 10 : 2;
}
