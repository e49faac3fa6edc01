// One Dozorik at a time, between two real processes: this test stands for
// the running Dozorik, hand_over_probe for a later start.

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/single_instance_win32.h"
#include "win32/wine_test_support.h"

namespace dozorik::win32 {
namespace {

using Strings = std::vector<std::string>;

// A place of the test's own, away from any Dozorik that runs.
std::wstring testPlace() { return L"DozorikTest-" + std::to_wstring(GetCurrentProcessId()); }

// Lets this thread's pending messages run, as the program's loop does.
void pumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

struct LaterStart {
  DWORD exitCode = STILL_ACTIVE;
  double seconds = 0;
};

// Starts hand_over_probe with `arguments` and lets this thread's messages run
// until it ends; `meanwhile` runs once it has started.
LaterStart laterStart(const std::wstring& arguments, const std::function<void()>& meanwhile = {}) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring probe = self;
  probe = probe.substr(0, probe.find_last_of(L'\\') + 1) + L"hand_over_probe.exe";
  std::wstring commandLine = L"\"" + probe + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  LaterStart made;
  const auto begun = std::chrono::steady_clock::now();
  if (!CreateProcessW(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &started)) {
    ADD_FAILURE() << "cannot start the probe";
    return made;
  }
  const UniqueHandle process(started.hProcess), thread(started.hThread);
  if (meanwhile) meanwhile();
  HANDLE waited = process.get();
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjects(1, &waited, FALSE, 60000, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0 + 1) {
      pumpMessages();
      continue;
    }
    if (woke != WAIT_OBJECT_0) {
      ADD_FAILURE() << "the probe did not end";
      TerminateProcess(process.get(), 99);
    }
    break;
  }
  // What it was told to do is posted, to run once its sender has the answer.
  pumpMessages();
  GetExitCodeProcess(process.get(), &made.exitCode);
  made.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
  return made;
}

TEST(SingleInstance, ALaterStartHandsOverEachArgumentApartAndHearsWhetherItWasTaken) {
  EXPECT_EQ(Win32SingleInstance::userName().rfind(L"Dozorik-S-1-5-", 0), 0u)
      << narrow(Win32SingleInstance::userName());
  const std::wstring place = testPlace();
  Win32SingleInstance running(place, 2000);
  ASSERT_TRUE(running.claim());
  Strings journal;
  running.listen({[&](const Strings& message) {
                    journal.push_back("accepts " + std::to_string(message.size()));
                    return message.back() != "zle";
                  },
                  [&](const Strings& message) {
                    std::string all;
                    for (const std::string& part : message) all += "|" + part;
                    journal.push_back("applies " + all);
                  }});

  EXPECT_EQ(laterStart(place + L" 2000 \"C:\\Moje Skripty\" /subor \"D:\\Video Hotové\\ľahko.cmd\""
                               L" \"\" /r")
                .exitCode,
            0u);
  EXPECT_EQ(laterStart(place + L" 2000 C:\\ zle").exitCode, 1u) << "refused";
  const Strings expected{"accepts 5", "applies |C:\\Moje Skripty|/subor|D:\\Video Hotové\\ľahko.cmd||/r",
                         "accepts 2"};
  EXPECT_EQ(journal, expected);

  // Listening no more: a later start hears nothing, and ends once it has waited.
  running.listen({});
  const LaterStart unheard = laterStart(place + L" 500 C:\\ /r");
  EXPECT_EQ(unheard.exitCode, 2u);
  EXPECT_GE(unheard.seconds, 0.5);
  EXPECT_EQ(journal.size(), 3u);
}

TEST(SingleInstance, ALaterStartTakesThePlaceOfOneThatEndsWhileItWaits) {
  const std::wstring place = testPlace();
  auto running = std::make_unique<Win32SingleInstance>(place, 2000);
  ASSERT_TRUE(running->claim());
  // Still starting: not listening yet. It ends while the later start waits.
  const LaterStart replacing = laterStart(place + L" 20000 C:\\ /r", [&] {
    Sleep(500);
    running.reset();
  });
  EXPECT_EQ(replacing.exitCode, 10u);
  EXPECT_LT(replacing.seconds, 10) << "it did not wait out its time";
  // Nothing holds the place any more.
  EXPECT_EQ(laterStart(place + L" 500 C:\\").exitCode, 10u);
  Win32SingleInstance again(place, 500);
  EXPECT_TRUE(again.claim());
}

}  // namespace
}  // namespace dozorik::win32
