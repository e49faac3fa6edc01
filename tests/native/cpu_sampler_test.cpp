#include "cpuload/cpu_sampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "cpuload/perf_data_walker.h"
#include "fakes/fake_performance_data.h"
#include "platform/error.h"

namespace dozorik {

using B = PerfDataBuilder;
using Counters = std::vector<std::int64_t>;

constexpr std::uint32_t kSystemObject = 2;
const std::string kNoObject = "Unable to locate the \"Processor\" performance object";
const std::string kOutOfBounds = "CPU index out of bounds";

template <class F>
static std::string errorOf(F&& action) {
  try {
    action();
  } catch (const Error& e) {
    return e.what();
  }
  return "";  // no error
}

// Walks an exactly sized heap copy, so that AddressSanitizer reports any read past its end.
static WalkResult walk(const std::vector<std::uint8_t>& data, ProcessorData& out) {
  auto copy = std::make_unique<std::uint8_t[]>(data.size());
  std::copy(data.begin(), data.end(), copy.get());
  return walkProcessorData(copy.get(), data.size(), out);
}

// The processor object second of three, counter 6 its third; the other objects have one too.
static B threeObjects(Counters idle) {
  B b;
  b.object(kSystemObject, {10, 12, 6, 14}, {77})
      .object(kProcessorObject, {142, 144, kProcessorTimeCounter}, std::move(idle))
      .object(230, {6}, {99});
  return b;
}

static std::vector<std::uint8_t> processor(std::uint32_t ms, Counters idle) {
  return B().object(kProcessorObject, {kProcessorTimeCounter}, std::move(idle)).build(ms);
}

TEST(PerfDataWalker, DamagedOrTruncatedDataIsNeitherTrustedNorReadOutside) {
  B b = threeObjects({111, 222, 333});
  const auto good = b.build();
  const std::size_t first = b.objects[0], cpu = b.objects[1];
  const std::size_t counter0 = cpu + B::kObjectSize;
  const auto found = WalkResult::Found, noObject = WalkResult::NoObject,
             noCounter = WalkResult::NoCounter;
  // What, the 32-bit values written at offsets, and what the walk makes of it.
  using Writes = std::vector<std::pair<std::size_t, std::uint32_t>>;
  const std::tuple<const char*, Writes, WalkResult, std::int32_t, Counters> rows[] = {
      {"intact", {}, found, 3, {111, 222, 333}},
      {"PERF_NO_INSTANCES (-1)", {{cpu + B::kObjectNumInstances, 0xFFFFFFFF}}, found, 0, {}},
      // Offsets pointing outside the data.
      {"header length", {{B::kBlockHeaderLength, 0xFFFFFFF0}}, noObject, 0, {}},
      {"object header", {{cpu + B::kObjectHeaderLength, 0x7FFFFFFF}}, noCounter, 3, {}},
      {"instance length", {{b.instances[1][1] + B::kInstanceByteLength, 0xFFFFFFF8}}, found,
       3, {111}},
      // Capped at what the rest of the data holds at 28 bytes (definition, block length) each.
      {"instance count", {{cpu + B::kObjectNumInstances, 0x7FFFFFFF}}, found,
       std::int32_t((good.size() - b.instances[1][0]) / 28), {111, 222, 333}},
      // Zero lengths with the largest counts: four billion steps on the spot.
      {"object count",
       {{B::kBlockNumObjectTypes, 0xFFFFFFFF}, {first + B::kObjectTotalByteLength, 0}},
       noObject, 0, {}},
      {"counter count",
       {{cpu + B::kObjectNumCounters, 0xFFFFFFFF}, {counter0 + B::kCounterByteLength, 0}},
       noCounter, 3, {}},
  };
  const Counters all{111, 222, 333};
  for (const auto& [what, writes, result, instances, counters] : rows) {
    SCOPED_TRACE(what);
    auto data = good;
    for (auto [at, value] : writes) B::put(data, at, value);
    ProcessorData out;
    EXPECT_EQ(walk(data, out), result);
    EXPECT_EQ(out.instances, instances);
    EXPECT_EQ(out.counters, counters);
    // Cut short anywhere, it is read no further and yields none but the real values, in order.
    for (std::size_t size = 0; size < data.size(); ++size) {
      walk({data.begin(), data.begin() + size}, out);
      ASSERT_LE(out.counters.size(), 3u) << size;
      EXPECT_TRUE(std::equal(out.counters.begin(), out.counters.end(), all.begin())) << size;
    }
  }
}

TEST(CalendarTime, ConvertsAndRejectsAsSystemTimeToFileTimeDoes) {
  EXPECT_EQ(calendarTo100ns({1601, 1, 1, 1}), 0);
  EXPECT_EQ(calendarTo100ns({2024, 5, 3, 1, 12, 34, 56, 789}), 133'590'404'967'890'000);
  for (std::uint16_t y : {2000, 2024})  // leap years, 2000 being divisible by 400
    EXPECT_EQ(calendarTo100ns({y, 2, 0, 29}), *calendarTo100ns({y, 3, 0, 1}) - 864'000'000'000);
  const CalendarTime bad[] = {{1600, 12, 0, 31, 23, 59, 59, 999}, {30828, 1, 0, 1},
                              {2024, 13, 0, 1}, {2024, 4, 0, 31}, {1900, 2, 0, 29},
                              {2024, 5, 0, 1, 24}, {}};
  for (std::size_t i = 0; i < std::size(bad); ++i) EXPECT_FALSE(calendarTo100ns(bad[i])) << i;
}

// One sample per answer (the last may fail), then the count and each instance's load.
TEST(CpuSamplerNt, LoadIsTheShareOfTimeBetweenTheLastTwoSamplesThatWasNotIdle) {
  using Data = std::vector<std::uint8_t>;
  const Data denied;  // no data: the query fails with ERROR_ACCESS_DENIED
  auto cut = processor(200, {1'000'000, 1'000'000, 1'000'000});
  cut.resize(cut.size() - 4);  // half of the last instance's value
  const Data start = processor(0, {0}), next = processor(200, {1'000'000});
  // The first load compares the idle time since boot with the time since 1601.
  const double since1601 = 133'589'952'000'000'000;  // 1 May 2024, the data's time stamp
  const std::tuple<const char*, std::vector<Data>, std::vector<double>, std::string> rows[] = {
      {"first sample", {processor(0, {36'000'000'000})}, {1 - 36e9 / since1601}, ""},
      {"idle shares of 200 ms",
       {threeObjects({5'000'000, 5'000'000, 5'000'000}).build(0),
        threeObjects({6'000'000, 5'000'000, 7'000'000}).build(200)}, {0.5, 1.0, 0.0}, ""},
      {"same millisecond", {processor(300, {0, 0}), processor(300, {9, 0})}, {0, 0}, ""},
      {"after a failed query", {start, next, denied, processor(400, {1'500'000})}, {0.75}, ""},
      {"a failed query is no sample", {start, next, denied}, {0.5}, ""},
      {"truncated data", {processor(0, {0, 0, 0}), cut}, {0.5, 0.5, 1.0}, ""},
      {"missing object shifts nothing",
       {start, next, B().object(kSystemObject, {6}, {0}).build(400)}, {0.5}, kNoObject},
  };
  for (const auto& [what, answers, loads, error] : rows) {
    SCOPED_TRACE(what);
    FakePerformanceData fake;
    fake.answers.assign(answers.begin(), answers.end());
    fake.times = {{0, 1, 0}};  // never used once the performance data has worked
    CpuSampler sampler(fake);
    sampler.StartCpuSampler();
    for (std::size_t i = 1; i < answers.size(); ++i) sampler.TakeCpuSample();
    EXPECT_EQ(errorOf([&] { sampler.TakeCpuSample(); }), error);
    const int count = sampler.CpuInstanceCount();
    ASSERT_EQ(count, static_cast<int>(loads.size()));
    for (int i = 0; i < count; ++i) EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(i), loads[i]);
    EXPECT_EQ(errorOf([&] { sampler.CpuLoadFraction(count); }), kOutOfBounds);
    EXPECT_EQ(errorOf([&] { sampler.CpuLoadFraction(-1); }), kOutOfBounds);
  }
}

class NtSampler : public ::testing::Test {
 protected:
  void SetUp() override { sampler.StartCpuSampler(); }

  FakePerformanceData fake;
  CpuSampler sampler{fake};
};

TEST_F(NtSampler, BufferGrowsBy4096UntilTheDataFitsAndOnlyTheFirstLoadTakesASample) {
  // The first data takes between 12288 and 16384 bytes.
  fake.answers = {processor(0, Counters(250, 0)), processor(200, {1'000'000})};
  sampler.CpuLoadFraction(0);
  sampler.CpuLoadFraction(0);
  sampler.TakeCpuSample();
  EXPECT_EQ(fake.querySizes, (std::vector<std::uint32_t>{8192, 12288, 16384, 16384}));
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(0), 0.5);
}

TEST_F(NtSampler, WithoutProcessorObjectAtFirstSampleUsesSystemTimes) {
  fake.answers = {B().object(kSystemObject, {6}, {0}).build()};
  fake.times = {{1000, 3000, 1000}, {1500, 4500, 1500}};
  EXPECT_EQ(sampler.CpuInstanceCount(), 1);
  // Nothing to compare the first with: busy, as the performance data's first is.
  EXPECT_EQ(static_cast<int>(sampler.CpuLoadFraction(0) * 100), 99);
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(0), 0.75);  // 500 idle of 2000, kernel including idle
  EXPECT_FALSE(sampler.TakeCpuSample());  // no reading: the last sample stays
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(0), 0.75);
  EXPECT_EQ(fake.querySizes.size(), 1u);  // the performance data is not asked again
}

// 96 processors in two groups of 48: the processor object and the system's
// times see one group, the processor information both.
TEST_F(NtSampler, MoreProcessorsThanTheFirstSampleCoversAreReadOverEveryGroup) {
  using Loads = PerformanceData::InstanceLoads;
  fake.processors = PerformanceData::ProcessorCount{96, 48};
  fake.answers = {processor(0, Counters(49, 0))};  // 48 and the total
  fake.information = {Loads{},
                      Loads{{"0,0", 5}, {"0,_Total", 3}, {"1,0", 90}, {"_Total", 47.5}},
                      std::nullopt,
                      Loads{{"1,0", 80}, {"0,0", 10}, {"0,1", 30}}};
  EXPECT_EQ(sampler.CpuInstanceCount(), 1);  // nothing to compare yet: busy, as any first
  EXPECT_EQ(static_cast<int>(sampler.CpuLoadFraction(0) * 100), 99);
  EXPECT_TRUE(sampler.TakeCpuSample());
  ASSERT_EQ(sampler.CpuInstanceCount(), 3);  // two processors, then the total
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(1), 0.9);
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(2), 0.475);
  EXPECT_FALSE(sampler.TakeCpuSample());  // no reading: the last stays
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(2), 0.475);
  EXPECT_TRUE(sampler.TakeCpuSample());  // no total listed: the processors' average
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(3), 0.4);
  EXPECT_EQ(fake.querySizes.size(), 1u);
}

TEST(CpuSamplerNt, WithoutTheProcessorObjectMoreGroupsAreReadAsWell) {
  FakePerformanceData fake;
  fake.processors = PerformanceData::ProcessorCount{96, 48};
  fake.answers = {B().object(kSystemObject, {6}, {0}).build()};
  fake.times = {{1000, 3000, 1000}};
  fake.information = {PerformanceData::InstanceLoads{},
                      PerformanceData::InstanceLoads{{"0,0", 20}, {"1,0", 60}, {"_Total", 40}}};
  CpuSampler sampler(fake);
  sampler.StartCpuSampler();
  EXPECT_EQ(sampler.CpuInstanceCount(), 1);
  EXPECT_TRUE(sampler.TakeCpuSample());
  ASSERT_EQ(sampler.CpuInstanceCount(), 3);
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(1), 0.6);
}

TEST(CpuSamplerNt, OneProcessorGroupKeepsTheProcessorObjectOrTheSystemsTimes) {
  for (bool object : {true, false}) {
    FakePerformanceData fake;
    fake.processors = PerformanceData::ProcessorCount{object ? 4 : 2, object ? 4 : 2};
    fake.answers = {object ? processor(0, {0, 0, 0, 0, 0}) : B().object(kSystemObject, {6}, {0}).build()};
    fake.times = {{1000, 3000, 1000}};
    fake.information = {PerformanceData::InstanceLoads{}};
    CpuSampler sampler(fake);
    sampler.StartCpuSampler();
    EXPECT_EQ(sampler.CpuInstanceCount(), object ? 5 : 1);
    EXPECT_EQ(fake.informationReadings, 0) << object;
  }
}

TEST(Win9xSampler, StartsTheStatisticReadsThePercentageAndStopsItOnce) {
  FakePerformanceData fake;
  fake.platform = 1;  // VER_PLATFORM_WIN32_WINDOWS
  fake.dynKeys = {
      {"PerfStats\\StartStat", {}}, {"PerfStats\\StatData", 45}, {"PerfStats\\StopStat", {}}};
  CpuSampler sampler(fake);
  sampler.StartCpuSampler();
  EXPECT_EQ(sampler.CpuInstanceCount(), 1);
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(0), 0.45);
  fake.dynKeys["PerfStats\\StatData"].reset();
  EXPECT_FALSE(sampler.TakeCpuSample());
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(0), 0.45);  // a failed read keeps the last value
  sampler.StopCpuSampling();
  sampler.StopCpuSampling();
  // Started, read twice and closed, then stopped: ten calls, each statistic key closed.
  EXPECT_EQ(fake.dynLog.size(), 10u);
  EXPECT_EQ(fake.dynLog[3] + ", " + fake.dynLog.back(),
            "open PerfStats\\StatData 131097, close PerfStats\\StopStat");
}

}  // namespace dozorik
