// A job that runs for as many seconds as its argument says, then ends: what
// the watch's program signal waits for in the end-to-end suite.

#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  Sleep(static_cast<DWORD>((argc > 1 ? std::atoi(argv[1]) : 1) * 1000));
  return 0;
}
