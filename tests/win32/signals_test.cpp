// The busy signals' adapters against the real system. Wine lists processes
// and network interfaces; it has no "GPU Engine" or "PhysicalDisk"
// counters, nor wildcards in counter paths, so those two signals must say
// that Windows does not provide them, and never hold a watch.

#include <winsock2.h>
// After <winsock2.h>, which must come first.
#include <windows.h>
// After <windows.h>, which it needs.
#include <pdhmsg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/pdh_query_win32.h"
#include "platform/win32/signal_sources_win32.h"
#include "signals/network_traffic.h"
#include "signals/program_watch.h"
#include "win32/wine_test_support.h"

namespace dozorik::win32 {
namespace {

using signals::Reading;
using signals::Signal;

// A program that ends as soon as it runs, beside this one.
std::wstring probeProgram() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"wine_probe.exe";
}

TEST(RunningProcesses, AProgramStartedLaterIsFoundByItsNameAndSeenToEnd) {
  Win32RunningProcesses processes;
  // A copy under a name no other process has, started suspended so that it
  // runs until the test lets it go on and end.
  TempDir dir("dozorik signals");
  const std::wstring child = widen(dir.at("DozorikChild.exe"));
  ASSERT_TRUE(CopyFileW(probeProgram().c_str(), child.c_str(), FALSE));
  signals::ProgramWatch watch(processes);
  watch.setNames(signals::programNamesFromText(" C:\\elsewhere\\dozorikchild.EXE "));
  EXPECT_EQ(watch.read().value, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(child.c_str(), nullptr, nullptr, nullptr, FALSE,
                             CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                             &started));
  const UniqueHandle process(started.hProcess), thread(started.hThread);
  const Reading running = watch.read();
  EXPECT_EQ(running.value, 1);
  EXPECT_EQ(running.name, "DozorikChild.exe");  // as the process reports it
  EXPECT_EQ(watch.read().value, 1);
  auto exit = processes.watchExit(started.dwProcessId);
  ASSERT_TRUE(exit);
  EXPECT_FALSE(exit->ended());

  ResumeThread(thread.get());
  ASSERT_EQ(WaitForSingleObject(process.get(), 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(exit->ended());
  EXPECT_EQ(watch.read().value, 0);
}

// Sends `bytes` in UDP datagrams from 127.0.0.1 to itself.
void loopbackTraffic(int bytes) {
  WSADATA data;
  ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
  const SOCKET self = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  bind(self, reinterpret_cast<sockaddr*>(&address), length);
  getsockname(self, reinterpret_cast<sockaddr*>(&address), &length);
  std::string datagram(60000, 'x');
  for (int sent = 0; sent < bytes; sent += static_cast<int>(datagram.size())) {
    sendto(self, datagram.data(), static_cast<int>(datagram.size()), 0,
           reinterpret_cast<sockaddr*>(&address), length);
    recv(self, datagram.data(), static_cast<int>(datagram.size()), 0);
  }
  closesocket(self);
  WSACleanup();
}

TEST(NetworkInterfaces, TheTableIsReadAndTrafficOverLoopbackIsLeftOut) {
  Win32NetworkInterfaces interfaces;
  std::vector<InterfaceRow> before, after;
  ASSERT_EQ(interfaces.read(before), SourceAnswer::Read);
  auto loopbackIn = [](const std::vector<InterfaceRow>& rows) {
    const auto row =
        std::find_if(rows.begin(), rows.end(), [](const InterfaceRow& r) { return r.type == 24; });
    return row == rows.end() ? 0 : row->inOctets;
  };
  const auto loopback = std::find_if(before.begin(), before.end(),
                                     [](const InterfaceRow& r) { return r.type == 24; });
  ASSERT_NE(loopback, before.end());
  EXPECT_FALSE(signals::countsAsTraffic(*loopback));

  signals::NetworkTraffic traffic(interfaces);
  EXPECT_EQ(traffic.read(1000).state, Reading::State::NoValue);
  constexpr int kBytes = 12'000'000;
  loopbackTraffic(kBytes);
  const Reading rate = traffic.read(2000);  // as if a second had passed
  ASSERT_EQ(interfaces.read(after), SourceAnswer::Read);
  ASSERT_GE(loopbackIn(after) - loopbackIn(before), std::uint64_t{kBytes});  // loopback saw it
  ASSERT_EQ(rate.state, Reading::State::Value);
  EXPECT_LT(rate.value, kBytes / 1000);  // the rate did not
}

TEST(PdhQuery, ReadsACounterWineKnowsAndRefusesTheOnesItLacks) {
  PdhQuery opened;
  ASSERT_EQ(opened.openStatus(), PdhQuery::kSuccess);
  PdhQuery query = std::move(opened);  // the query moves with its counters
  PdhQuery::Counter total, engines;
  ASSERT_EQ(query.addEnglishCounter(L"\\Processor(_Total)\\% Processor Time", total),
            PdhQuery::kSuccess);
  EXPECT_EQ(query.addEnglishCounter(L"\\GPU Engine(*)\\Utilization Percentage", engines),
            static_cast<PdhQuery::Status>(PDH_CSTATUS_NO_COUNTER));
  // Windows has no value after one collection, Wine has one: the adapter
  // reads only from the second on.
  ASSERT_EQ(query.collect(), PdhQuery::kSuccess);
  Sleep(200);
  ASSERT_EQ(query.collect(), PdhQuery::kSuccess);
  std::vector<CounterInstance> values{{"left over", 1}};
  ASSERT_EQ(query.readInstances(total, values), PdhQuery::kSuccess);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].name, "_Total");
  EXPECT_GE(values[0].value, 0);
  EXPECT_LE(values[0].value, 100);
}

TEST(SignalSources, GraphicsEnginesAndDisksAreNotProvidedHereAndNeverHoldAWatch) {
  Win32SignalSources sources;
  signals::BusySignals busy(sources.sources());
  EXPECT_EQ(busy.unavailable(Signal::Gpu, 0), signals::unavailableReason(Signal::Gpu));
  EXPECT_EQ(busy.unavailable(Signal::Disk, 0), signals::unavailableReason(Signal::Disk));
  EXPECT_EQ(busy.unavailable(Signal::Network, 0), std::nullopt);
  EXPECT_EQ(busy.unavailable(Signal::Program, 0), std::nullopt);
  signals::SignalSettings settings;
  settings.gpuPercent = 1;
  settings.diskMegabytes = 1;
  busy.configure(settings);
  busy.update(1000);
  busy.update(2000);
  EXPECT_TRUE(busy.judge(true).quiet);
}

}  // namespace
}  // namespace dozorik::win32
