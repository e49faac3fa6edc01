#include "platform/win32/running_processes_win32.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <tlhelp32.h>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

class HandleExitWatch : public RunningProcesses::ExitWatch {
 public:
  explicit HandleExitWatch(UniqueHandle process) : process_(std::move(process)) {}
  // A process's handle is signalled once it has ended; a wait that fails
  // tells nothing more, and counts as ended so the list is asked again.
  bool ended() override { return WaitForSingleObject(process_.get(), 0) != WAIT_TIMEOUT; }

 private:
  UniqueHandle process_;
};

}  // namespace

std::optional<std::vector<RunningProcesses::Entry>> Win32RunningProcesses::list() {
  const UniqueSnapshot snapshot{CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)};
  if (!snapshot) return std::nullopt;
  std::vector<Entry> entries;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    // The system's own entries (the idle process, 0) have no program file.
    if (entry.th32ProcessID != 0) entries.push_back({entry.th32ProcessID, narrow(entry.szExeFile)});
  }
  // The walk ends with ERROR_NO_MORE_FILES; anything else cut it short.
  if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
  return entries;
}

std::unique_ptr<RunningProcesses::ExitWatch> Win32RunningProcesses::watchExit(std::uint32_t id) {
  UniqueHandle process{OpenProcess(SYNCHRONIZE, FALSE, id)};
  if (!process) return nullptr;
  return std::make_unique<HandleExitWatch>(std::move(process));
}

}  // namespace dozorik::win32
