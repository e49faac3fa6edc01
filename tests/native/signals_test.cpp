#include <gtest/gtest.h>

#include <tuple>

#include "fakes/fake_signals.h"
#include "signals/busy_signals.h"
#include "signals/disk_throughput.h"
#include "signals/gpu_engines.h"

namespace dozorik::signals {
namespace {

using State = Reading::State;
using Instances = std::vector<CounterInstance>;
using Rows = std::vector<InterfaceRow>;

SignalSettings allOn() {
  SignalSettings s;
  s.gpuPercent = 50;
  s.diskMegabytes = 20;
  s.networkKilobytes = 500;
  s.programs = {"ffmpeg.exe"};
  return s;
}

TEST(BusyVerdict, ASignalThatIsOnHoldsAtOrAboveItsThresholdOrWithoutAReading) {
  // The signal, its reading, whether it holds while on (off, none ever does).
  const std::tuple<Signal, Reading, bool> rows[] = {
      {Signal::Gpu, Reading::of(49), false},      {Signal::Gpu, Reading::of(50), true},
      {Signal::Disk, Reading::of(19), false},     {Signal::Disk, Reading::of(20), true},
      {Signal::Network, Reading::of(499), false}, {Signal::Network, Reading::of(500), true},
      {Signal::Program, Reading::of(0), false},   {Signal::Program, Reading::of(1, "x.exe"), true},
      {Signal::Network, Reading{}, true},         {Signal::Gpu, Reading::unavailable(), false},
  };
  for (const auto& [signal, reading, holdsWhenOn] : rows) {
    SCOPED_TRACE(holdText(signal, reading));
    Readings quietElsewhere{Reading::of(0), Reading::of(0), Reading::of(0), Reading::of(0)};
    quietElsewhere[signal] = reading;
    for (bool processorQuiet : {true, false}) {
      const Verdict on = judgeTick(processorQuiet, allOn(), quietElsewhere);
      EXPECT_EQ(on.quiet, processorQuiet && !holdsWhenOn);
      EXPECT_EQ(on.holder.has_value(), holdsWhenOn);
      EXPECT_EQ(judgeTick(processorQuiet, SignalSettings{}, quietElsewhere).quiet, processorQuiet);
    }
  }
}

TEST(BusyVerdict, TheFirstBusySignalInOrderIsNamedWithItsReading) {
  auto of = [](std::int64_t gpu, std::int64_t disk, std::int64_t network, std::int64_t programs) {
    return Readings{Reading::of(gpu), Reading::of(disk), Reading::of(network),
                    Reading::of(programs, "FFmpeg.exe")};
  };
  const std::tuple<Readings, std::string> rows[] = {
      {of(63, 45, 2100, 1), "Este pracuje: GPU 63 %"},
      {of(0, 45, 2100, 1), "Este pracuje: disk 45 MB/s"},
      {of(0, 0, 2100, 1), "Este pracuje: siet 2100 kB/s"},
      {of(0, 0, 0, 2), "Este pracuje: FFmpeg.exe"},
      {{Reading::unavailable(), Reading{}, Reading::of(0), Reading::of(0)},
       "Este pracuje: disk (bez udajov)"},
      {of(0, 0, 0, 0), ""},
  };
  for (const auto& [readings, status] : rows) {
    const Verdict verdict = judgeTick(true, allOn(), readings);
    EXPECT_EQ(verdict.status, status);
    EXPECT_EQ(verdict.quiet, status.empty());
  }
  const Texts english(Language::English);
  EXPECT_EQ(judgeTick(true, allOn(), of(0, 0, 2100, 1), english).status,
            "Still working: network 2100 kB/s");
  EXPECT_EQ(holdText(Signal::Disk, Reading{}, english), "Still working: disk (no reading)");
}

TEST(GpuEngines, TheBusiestEngineSumsItsProcessesPerAdapterAndEngineOfAnyType) {
  const std::string a = "_luid_0x00000000_0x0000D1A6_phys_0_eng_",
                    b = "_luid_0x00000000_0x0000E2B7_phys_0_eng_";
  auto at = [](const std::string& pid, const std::string& adapter, const std::string& engine,
               double value) {
    return CounterInstance{"pid_" + pid + adapter + engine, value};
  };
  const std::tuple<const char*, Instances, std::int64_t> rows[] = {
      {"pids on one engine add up",
       {at("10", a, "3_engtype_VideoEncode", 30.9), at("11", a, "3_engtype_VideoEncode", 32.5)},
       63},
      {"another engine of the adapter is apart",
       {at("10", a, "0_engtype_3D", 40), at("11", a, "5_engtype_Compute_0", 35)},
       40},
      {"the same engine number of another adapter is apart",
       {at("10", a, "0_engtype_3D", 40), at("11", b, "0_engtype_3D", 35)},
       40},
      {"another physical adapter of the same luid is apart",
       {at("10", a, "2_engtype_Copy", 30),
        at("11", "_luid_0x00000000_0x0000D1A6_phys_1_eng_", "2_engtype_Copy", 30)},
       30},
      {"rounded shares past 100 are 100",
       {at("1", a, "0_engtype_3D", 60.4), at("2", a, "0_engtype_3D", 45.4)},
       100},
      {"names without an engine are left out",
       {{"_Total", 90}, {"pid_4_luid_0x0_0x1_phys_0", 80}, at("7", a, "1_engtype_3D", 5)},
       5},
  };
  for (const auto& [what, instances, percent] : rows) {
    EXPECT_EQ(busiestEnginePercent(instances), percent) << what;
  }
}

TEST(DiskThroughput, WindowsTotalWhereListedElseTheDisksAddedInWholeMegabytes) {
  EXPECT_EQ(diskMegabytesPerSecond({{"0 C:", 20e6}, {"1 D:", 25.9e6}, {"_Total", 45.9e6}}), 45);
  EXPECT_EQ(diskMegabytesPerSecond({{"0 C:", 20e6}, {"1 D:", 25.9e6}}), 45);
  EXPECT_EQ(diskMegabytesPerSecond({{"_Total", 999'999}}), 0);
  EXPECT_EQ(diskMegabytesPerSecond({}), 0);
}

InterfaceRow ethernet(std::uint64_t luid, std::uint64_t in, std::uint64_t out) {
  return {luid, 6, true, false, in, out};
}

TEST(NetworkTraffic, AdaptersOnlyAndOnlyWhatGrewBetweenTwoReadingsOfTheSameInterface) {
  const std::uint64_t G = 1ull << 32;
  const std::uint64_t kLots = 9'000'000'000'000;  // bytes since the interface came up
  auto notAdapters = [](std::uint64_t bytes) {
    return Rows{{3, 24, true, false, bytes, bytes},
                {4, 131, true, false, bytes, bytes},
                {5, 6, true, true, bytes, bytes},
                {6, 6, false, false, bytes, bytes}};
  };
  // Readings 1000 ms apart, each a table (none: the call failed), and what the last reads.
  const std::tuple<const char*, std::vector<std::optional<Rows>>, Reading> rows[] = {
      {"first reading", {Rows{ethernet(1, 0, 0)}}, Reading{}},
      {"received and sent add up",
       {Rows{ethernet(1, 0, 0)}, Rows{ethernet(1, 1'500'000, 600'999)}},
       Reading::of(2100)},
      {"loopback, tunnel, filter and virtual interfaces left out",
       {notAdapters(0), notAdapters(kLots)},
       Reading::of(0)},
      {"a counter that wrapped or was reset counts nothing that second",
       {Rows{ethernet(1, G - 10, 5'000'000)}, Rows{ethernet(1, 20'000, 4'000)}},
       Reading::of(0)},
      {"an interface that came up counts from its second reading",
       {Rows{ethernet(1, 0, 0)}, Rows{ethernet(1, 1000, 0), ethernet(7, kLots, kLots)}},
       Reading::of(1)},
      {"an interface that went away takes its bytes along",
       {Rows{ethernet(1, 0, 0), ethernet(7, kLots, kLots)}, Rows{ethernet(1, 4000, 0)}},
       Reading::of(4)},
      {"a failed reading is no value", {Rows{ethernet(1, 0, 0)}, std::nullopt}, Reading{}},
      {"after a failed reading the rate spans both seconds",
       {Rows{ethernet(1, 0, 0)}, std::nullopt, Rows{ethernet(1, 400'000, 0)}},
       Reading::of(200)},
  };
  for (const auto& [what, tables, last] : rows) {
    SCOPED_TRACE(what);
    fakes::FakeNetworkInterfaces source;
    source.tables.assign(tables.begin(), tables.end());
    NetworkTraffic traffic(source);
    Reading reading;
    for (std::size_t i = 0; i < tables.size(); ++i) reading = traffic.read(5000 + 1000 * i);
    EXPECT_EQ(reading.state, last.state);
    EXPECT_EQ(reading.value, last.value);
  }
}

TEST(ProgramWatch, FoundProcessesAreHeldUntilTheyEndAndTheListIsAskedOnlyWithoutThem) {
  fakes::FakeRunningProcesses processes;
  ProgramWatch watch(processes);
  processes.start("explorer.exe");
  watch.setNames({"ffmpeg.exe", "HandBrakeCLI.exe"});
  EXPECT_EQ(watch.read().value, 0);
  const auto encoder = processes.start("FFMPEG.EXE");
  const auto second = processes.start("handbrakecli.exe");
  const Reading busy = watch.read();  // the next reading finds the ones started since
  EXPECT_EQ(busy.value, 2);
  EXPECT_EQ(busy.name, "FFMPEG.EXE");  // as the process reports it
  const int lists = processes.lists;
  processes.end(encoder);
  EXPECT_EQ(watch.read().name, "handbrakecli.exe");
  EXPECT_EQ(processes.lists, lists);  // while one runs, no list is taken
  processes.end(second);
  EXPECT_EQ(watch.read().value, 0);
  EXPECT_EQ(processes.lists, lists + 1);
  EXPECT_EQ(processes.openWatches, 0);  // the ended ones were let go
  processes.start("ffmpeg.exe");
  watch.read();
  watch.setNames({"x264.exe"});
  EXPECT_EQ(processes.openWatches, 0);  // and those found for other names
}

TEST(ProgramWatch, OneThatCantBeHeldCountsWhileListedAndAFailedListIsNoValue) {
  fakes::FakeRunningProcesses processes;
  ProgramWatch watch(processes);
  watch.setNames({"ffmpeg.exe"});
  const auto guarded = processes.start("ffmpeg.exe");
  processes.refused.insert(guarded);
  EXPECT_EQ(watch.read().value, 1);
  EXPECT_EQ(watch.read().value, 1);  // listed again, since nothing is held
  processes.end(guarded);
  EXPECT_EQ(watch.read().value, 0);
  processes.listFails = true;
  EXPECT_EQ(watch.read().state, State::NoValue);
}

class BusySignalsTest : public ::testing::Test {
 protected:
  fakes::FakeCounterInstances gpu, disks;
  fakes::FakeNetworkInterfaces network;
  fakes::FakeRunningProcesses processes;
  BusySignals signals{{gpu, disks, network, processes}};
};

TEST_F(BusySignalsTest, SignalsAreReadAtMostOnceASecondAndTheVerdictReusesTheLastReadings) {
  SignalSettings settings;
  settings.gpuPercent = 30;
  settings.programs = {"ffmpeg.exe"};
  signals.configure(settings);
  gpu.readings = {Instances{{"pid_1_luid_0x0_0x1_phys_0_eng_0_engtype_3D", 80}},
                  Instances{{"pid_1_luid_0x0_0x1_phys_0_eng_0_engtype_3D", 10}}};
  signals.update(10'000);
  EXPECT_EQ(signals.judge(true).status, "Este pracuje: GPU (bez udajov)");  // a rate needs two
  for (std::uint64_t ms = 10'200; ms < 11'000; ms += 200) signals.update(ms);
  EXPECT_EQ(gpu.reads, 1);
  EXPECT_EQ(processes.lists, 1);
  signals.update(11'000);
  EXPECT_EQ(signals.judge(true).status, "Este pracuje: GPU 80 %");
  signals.update(11'999);
  EXPECT_FALSE(signals.judge(true).quiet);  // still the last reading
  signals.update(12'000);
  EXPECT_TRUE(signals.judge(true).quiet);
  EXPECT_EQ(gpu.reads, 3);
  EXPECT_EQ(processes.lists, 3);
  EXPECT_EQ(disks.reads + network.reads, 0);  // off: never read
}

TEST_F(BusySignalsTest, ARateReadAfterALongPauseOnlyStartsAFreshMeasurement) {
  SignalSettings settings;
  settings.networkKilobytes = 100;
  signals.configure(settings);
  network.tables = {Rows{ethernet(1, 0, 0)}, Rows{ethernet(1, 50'000, 0)},
                    Rows{ethernet(1, 10'050'000, 0)}, Rows{ethernet(1, 10'550'000, 0)}};
  signals.update(1000);
  signals.update(2000);
  EXPECT_EQ(signals.readings().network.value, 50);
  signals.update(2000 + BusySignals::kStaleAfterMs);  // ten megabytes over the pause
  EXPECT_EQ(signals.readings().network.state, State::NoValue);
  signals.update(3000 + BusySignals::kStaleAfterMs);
  EXPECT_EQ(signals.readings().network.value, 500);
}

TEST_F(BusySignalsTest, ASignalWindowsLacksIsReportedAndNeverHolds) {
  gpu.provided = false;
  EXPECT_EQ(signals.unavailable(Signal::Gpu, 500),
            "Windows neposkytuje údaje o grafickej karte (až od Windows 10 verzie 1709).");
  EXPECT_EQ(signals.unavailable(Signal::Disk, 500), std::nullopt);  // asked while off
  EXPECT_EQ(disks.reads, 1);
  EXPECT_EQ(signals.unavailable(Signal::Program, 500), std::nullopt);
  SignalSettings settings;
  settings.gpuPercent = 1;
  signals.configure(settings);
  for (std::uint64_t ms = 1000; ms < 5000; ms += 1000) {
    signals.update(ms);
    EXPECT_TRUE(signals.judge(true).quiet);
  }
  EXPECT_EQ(gpu.reads, 1);  // once told, never asked again
}

TEST(SignalSettings, StoredTextsAreClampedNumbersOrOffAndCleanedNames) {
  const std::map<std::string, std::string> stored = {
      {"GPU", " 63 "},
      {"Disk", "99999999999"},
      {"Siet", "1 0"},
      {"Program",
       " C:\\Tools\\ffmpeg.exe ;\"HandBrakeCLI.exe\";;x264; FFMPEG.exe ;D:/bin/sox.EXE"}};
  const SignalSettings read =
      readSignalSettings([&](const std::string& name) { return stored.at(name); });
  EXPECT_EQ(read.gpuPercent, 63);
  EXPECT_EQ(read.diskMegabytes, 10000);
  EXPECT_EQ(read.networkKilobytes, 0);  // no number: off
  EXPECT_EQ(read.programs,
            (std::vector<std::string>{"ffmpeg.exe", "HandBrakeCLI.exe", "x264.exe", "sox.EXE"}));
  std::map<std::string, std::string> written;
  writeSignalSettings(read, [&](const std::string& n, const std::string& v) { written[n] = v; });
  EXPECT_EQ(readSignalSettings([&](const std::string& name) { return written.at(name); }), read);
  EXPECT_EQ(written["Program"], "ffmpeg.exe;HandBrakeCLI.exe;x264.exe;sox.EXE");
}

}  // namespace
}  // namespace dozorik::signals
