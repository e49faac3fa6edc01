// One Dozorik at a time between two real processes: this test stands for the
// running Dozorik, hand_over_probe for a later start.

#include <functional>
#include <memory>

#include "platform/win32/handles.h"
#include "platform/win32/single_instance_win32.h"
#include "win32/wine_test_support.h"

namespace dozorik::win32 {
namespace {

using Strings = std::vector<std::string>;

// Starts the probe with `arguments` and lets this thread's messages run, as
// the program's loop does, until it ends; then its exit code. `meanwhile`
// runs once it has started.
DWORD laterStart(const std::wstring& arguments, const std::function<void()>& meanwhile = {}) {
  wchar_t self[MAX_PATH] = {};
  const std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  const std::wstring probe = path.substr(0, path.find_last_of(L'\\') + 1) + L"hand_over_probe.exe";
  std::wstring commandLine = L"\"" + probe + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &started)) {
    return 99;
  }
  const UniqueHandle process(started.hProcess), thread(started.hThread);
  if (meanwhile) meanwhile();
  MSG msg;
  do {
    // A message taken is posted, to be applied once its sender has the answer.
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  } while (MsgWaitForMultipleObjects(1, &started.hProcess, FALSE, 60000, QS_ALLINPUT) ==
           WAIT_OBJECT_0 + 1);
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(process.get(), &exitCode);
  return exitCode;
}

TEST(SingleInstance, ALaterStartHandsOverEachArgumentApartAndTakesThePlaceOfOneThatEnds) {
  EXPECT_EQ(Win32SingleInstance::userName().rfind(L"Dozorik-S-1-5-", 0), 0u);
  // A place of the test's own, away from any Dozorik that runs.
  const std::wstring place = L"DozorikTest-" + std::to_wstring(GetCurrentProcessId());
  auto running = std::make_unique<Win32SingleInstance>(place, 2000);
  ASSERT_TRUE(running->claim());
  Strings journal;
  running->listen({[&](const Strings& message) {
                     journal.push_back("looks at " + std::to_string(message.size()));
                     return message.back() != "zle";
                   },
                   [&](const Strings& message) {
                     for (const std::string& part : message) journal.push_back(part);
                   }});
  // 0: taken; 1: refused; 2: not answered; 10: the place got.
  EXPECT_EQ(laterStart(place + L" 2000 \"C:\\Moje Skripty\" /subor \"D:\\Hotové\\ľahko.cmd\" \"\""),
            0u);
  EXPECT_EQ(laterStart(place + L" 2000 C:\\ zle"), 1u);
  EXPECT_EQ(journal, (Strings{"looks at 4", "C:\\Moje Skripty", "/subor", "D:\\Hotové\\ľahko.cmd",
                              "", "looks at 2"}));
  running->listen({});
  EXPECT_EQ(laterStart(place + L" 500 C:\\ /r"), 2u);

  // It ends while a later start waits for it to listen: that one takes its
  // place then, without waiting out its time.
  const ULONGLONG begun = GetTickCount64();
  EXPECT_EQ(laterStart(place + L" 20000 C:\\ /r", [&] { Sleep(500), running.reset(); }), 10u);
  EXPECT_LT(GetTickCount64() - begun, 10000u);
  EXPECT_TRUE(Win32SingleInstance(place, 0).claim());
}

}  // namespace
}  // namespace dozorik::win32
