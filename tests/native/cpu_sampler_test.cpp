#include "cpuload/cpu_sampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "cpuload/perf_data_walker.h"
#include "fakes/fake_performance_data.h"
#include "platform/error.h"

namespace dozorik {
namespace {

using B = PerfDataBuilder;

constexpr std::uint32_t kSystemObject = 2;
constexpr std::uint32_t kProcessObject = 230;

// 200 ms in the 100 ns units of the time stamps.
constexpr std::int64_t k200ms = 2'000'000;

template <class F>
std::string errorOf(F&& action) {
  try {
    action();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

// Walks a heap copy of exactly the data's size, so that AddressSanitizer
// reports any read past its end.
WalkResult walk(const std::vector<std::uint8_t>& data, ProcessorData& out) {
  auto copy = std::make_unique<std::uint8_t[]>(data.size());
  std::copy(data.begin(), data.end(), copy.get());
  return walkProcessorData(copy.get(), data.size(), out);
}

// The processor object second of three, with two counters before counter 6.
B threeObjects(std::vector<std::int64_t> idle) {
  B b;
  b.object(kSystemObject, {10, 12, 6, 14}, {77})
      .object(kProcessorObject, {142, 144, kProcessorTimeCounter}, std::move(idle))
      .singleObject(kProcessObject, {6}, 99);
  return b;
}

std::vector<std::uint8_t> processor(std::uint32_t ms, std::vector<std::int64_t> idle) {
  return B().at(ms).object(kProcessorObject, {kProcessorTimeCounter}, std::move(idle)).build();
}

// --- The walk over the performance data -----------------------------------

TEST(PerfDataWalker, ReadsCounter6OfEachInstanceOfTheProcessorObject) {
  B b = threeObjects({111, 222, 333});
  auto data = b.at(1500).build();
  ProcessorData out;
  ASSERT_EQ(walk(data, out), WalkResult::Found);
  EXPECT_EQ(out.instances, 3);
  EXPECT_EQ(out.counters, (std::vector<std::int64_t>{111, 222, 333}));
  ASSERT_TRUE(out.time);
  EXPECT_EQ(*out.time, *calendarTo100ns({2024, 5, 3, 1, 0, 0, 1, 500}));
}

TEST(PerfDataWalker, TellsAMissingObjectFromAMissingCounter) {
  ProcessorData out;
  EXPECT_EQ(walk(B().object(kSystemObject, {6}, {1}).build(), out), WalkResult::NoObject);
  EXPECT_EQ(walk(B().build(), out), WalkResult::NoObject);
  EXPECT_EQ(walk({}, out), WalkResult::NoObject);

  EXPECT_EQ(walk(B().object(kProcessorObject, {142, 144}, {1, 2}).build(), out),
            WalkResult::NoCounter);
  EXPECT_EQ(out.instances, 2);  // known before the counter is looked for
}

TEST(PerfDataWalker, StepsAtMostTheListedNumberOfRecordsThenLooksWhereItStands) {
  B b = threeObjects({1, 2, 3});
  auto data = b.build();
  ProcessorData out;

  // One step from the first object reaches the processor object.
  B::put32(data, B::kBlockNumObjectTypes, 1);
  EXPECT_EQ(walk(data, out), WalkResult::Found);
  // No step at all: only the first object is looked at.
  B::put32(data, B::kBlockNumObjectTypes, 0);
  EXPECT_EQ(walk(data, out), WalkResult::NoObject);

  data = b.build();
  // The counter is the third definition: two steps reach it, one doesn't.
  B::put32(data, b.objectAt(1) + B::kObjectNumCounters, 2);
  EXPECT_EQ(walk(data, out), WalkResult::Found);
  B::put32(data, b.objectAt(1) + B::kObjectNumCounters, 1);
  EXPECT_EQ(walk(data, out), WalkResult::NoCounter);
}

TEST(PerfDataWalker, ObjectWithoutInstancesHasNone) {
  ProcessorData out;
  auto data = B().singleObject(kProcessorObject, {6}, 5).build();
  EXPECT_EQ(walk(data, out), WalkResult::Found);
  EXPECT_EQ(out.instances, 0);
  EXPECT_TRUE(out.counters.empty());
}

TEST(PerfDataWalker, NeverReadsPastAnyTruncation) {
  B b = threeObjects({111, 222, 333});
  auto data = b.build();
  const std::vector<std::int64_t> all{111, 222, 333};
  for (std::size_t size = 0; size <= data.size(); ++size) {
    SCOPED_TRACE(size);
    std::vector<std::uint8_t> cut(data.begin(), data.begin() + size);
    ProcessorData out;
    WalkResult result = walk(cut, out);
    if (result != WalkResult::Found) continue;
    // Whatever was read is the real values, in order, none made up.
    ASSERT_LE(out.counters.size(), 3u);
    EXPECT_TRUE(std::equal(out.counters.begin(), out.counters.end(), all.begin()));
  }
}

TEST(PerfDataWalker, OffsetsPointingOutsideTheDataReadNothing) {
  B b = threeObjects({111, 222, 333});
  const auto good = b.build();
  const std::size_t processor = b.objectAt(1);
  ProcessorData out;

  auto data = good;
  B::put32(data, B::kBlockHeaderLength, 0xFFFFFFF0);
  EXPECT_EQ(walk(data, out), WalkResult::NoObject);

  data = good;
  B::put32(data, b.objectAt(0) + B::kObjectTotalByteLength, 0xFFFFFFFF);
  EXPECT_EQ(walk(data, out), WalkResult::NoObject);

  data = good;
  B::put32(data, processor + B::kObjectHeaderLength, 0x7FFFFFFF);
  EXPECT_EQ(walk(data, out), WalkResult::NoCounter);

  data = good;
  B::put32(data, b.counterAt(1, 2) + B::kCounterOffset, 0xFFFFFFFC);
  EXPECT_EQ(walk(data, out), WalkResult::Found);
  EXPECT_TRUE(out.counters.empty());

  data = good;
  B::put32(data, processor + B::kObjectDefinitionLength, 0xFFFFFFFF);
  EXPECT_EQ(walk(data, out), WalkResult::Found);
  EXPECT_EQ(out.instances, 0);

  // The second instance's definition claims to be longer than the data.
  data = good;
  B::put32(data, b.instanceAt(1, 1) + B::kInstanceByteLength, 0xFFFFFFF8);
  EXPECT_EQ(walk(data, out), WalkResult::Found);
  EXPECT_EQ(out.counters, (std::vector<std::int64_t>{111}));
}

TEST(PerfDataWalker, CorruptCountsCostNeitherTimeNorMemory) {
  B b = threeObjects({111, 222, 333});
  const auto good = b.build();
  ProcessorData out;

  // Zero lengths with the largest counts: the walk would stand still four
  // billion times.
  auto data = good;
  B::put32(data, B::kBlockNumObjectTypes, 0xFFFFFFFF);
  B::put32(data, b.objectAt(0) + B::kObjectTotalByteLength, 0);
  EXPECT_EQ(walk(data, out), WalkResult::NoObject);

  data = good;
  B::put32(data, b.objectAt(1) + B::kObjectNumCounters, 0xFFFFFFFF);
  B::put32(data, b.counterAt(1, 0) + B::kCounterByteLength, 0);
  EXPECT_EQ(walk(data, out), WalkResult::NoCounter);

  // An instance count no data of this size could hold.
  data = good;
  B::put32(data, b.objectAt(1) + B::kObjectNumInstances, 0x7FFFFFFF);
  EXPECT_EQ(walk(data, out), WalkResult::Found);
  EXPECT_LE(out.instances, static_cast<std::int32_t>(data.size() / 28));
  EXPECT_GE(out.instances, 3);
  EXPECT_EQ(std::vector<std::int64_t>(out.counters.begin(), out.counters.begin() + 3),
            (std::vector<std::int64_t>{111, 222, 333}));
}

TEST(CalendarTime, ConvertsAsSystemTimeToFileTimeDoes) {
  EXPECT_EQ(calendarTo100ns({1601, 1, 1, 1, 0, 0, 0, 0}), 0);
  EXPECT_EQ(calendarTo100ns({1970, 1, 4, 1, 0, 0, 0, 0}), 116'444'736'000'000'000);
  EXPECT_EQ(calendarTo100ns({2024, 5, 3, 1, 12, 34, 56, 789}), 133'590'404'967'890'000);
  // The last moment SYSTEMTIME allows still fits.
  EXPECT_EQ(calendarTo100ns({30827, 12, 0, 31, 23, 59, 59, 999}), 9'223'149'887'999'990'000);
  // Leap days: 2000 has one (divisible by 400), 1900 doesn't.
  const std::int64_t kDay = 864'000'000'000;
  EXPECT_EQ(*calendarTo100ns({2000, 3, 0, 1, 0, 0, 0, 0}) -
                *calendarTo100ns({2000, 2, 0, 28, 0, 0, 0, 0}),
            2 * kDay);
  EXPECT_EQ(*calendarTo100ns({1900, 3, 0, 1, 0, 0, 0, 0}) -
                *calendarTo100ns({1900, 2, 0, 28, 0, 0, 0, 0}),
            kDay);
  // The day of the week plays no part.
  EXPECT_EQ(calendarTo100ns({2024, 5, 6, 1, 0, 0, 0, 0}),
            calendarTo100ns({2024, 5, 3, 1, 0, 0, 0, 0}));
}

TEST(CalendarTime, RejectsWhatSystemTimeToFileTimeRejects) {
  const CalendarTime bad[] = {
      {1600, 12, 0, 31, 23, 59, 59, 999}, {30828, 1, 0, 1, 0, 0, 0, 0},
      {2024, 0, 0, 1, 0, 0, 0, 0},        {2024, 13, 0, 1, 0, 0, 0, 0},
      {2024, 5, 0, 0, 0, 0, 0, 0},        {2024, 4, 0, 31, 0, 0, 0, 0},
      {2023, 2, 0, 29, 0, 0, 0, 0},       {1900, 2, 0, 29, 0, 0, 0, 0},
      {2024, 5, 0, 1, 24, 0, 0, 0},       {2024, 5, 0, 1, 0, 60, 0, 0},
      {2024, 5, 0, 1, 0, 0, 60, 0},       {2024, 5, 0, 1, 0, 0, 0, 1000},
      {0, 0, 0, 0, 0, 0, 0, 0},
  };
  for (const auto& t : bad) {
    EXPECT_FALSE(calendarTo100ns(t)) << t.year << "-" << t.month << "-" << t.day << " " << t.hour
                                     << ":" << t.minute << ":" << t.second << "." << t.milliseconds;
  }
  EXPECT_TRUE(calendarTo100ns({2024, 2, 0, 29, 0, 0, 0, 0}));
}

// --- The sampler on the NT line ------------------------------------------

class NtSampler : public ::testing::Test {
 protected:
  void SetUp() override { sampler.StartCpuSampler(); }

  double load(int index) { return sampler.CpuLoadFraction(index); }

  FakePerformanceData fake;
  CpuSampler sampler{fake};
};

TEST_F(NtSampler, LoadIsTheShareOfTimeAnInstanceWasNotIdle) {
  fake.answer(threeObjects({5'000'000, 5'000'000, 5'000'000}).at(0).build());
  fake.answer(threeObjects({6'000'000, 5'000'000, 7'000'000}).at(200).build());
  EXPECT_EQ(sampler.CpuInstanceCount(), 3);  // takes the first sample
  sampler.TakeCpuSample();
  EXPECT_EQ(fake.querySizes, (std::vector<std::uint32_t>{8192, 8192}));
  EXPECT_DOUBLE_EQ(load(0), 0.5);
  EXPECT_DOUBLE_EQ(load(1), 1.0);
  EXPECT_DOUBLE_EQ(load(2), 0.0);
}

TEST_F(NtSampler, FirstLoadComparesIdleTimeSinceBootWithTimeSince1601) {
  // An hour of idle time against four centuries.
  fake.answer(processor(0, {36'000'000'000}));
  double first = load(0);
  EXPECT_LT(first, 1.0);
  EXPECT_GT(first, 0.9999);
  EXPECT_EQ(fake.querySizes.size(), 1u);
  load(0);
  EXPECT_EQ(fake.querySizes.size(), 1u);  // no sample but the very first
}

TEST_F(NtSampler, LoadIsNeitherClampedNorDividedByZero) {
  fake.answer(processor(100, {0, 0}));
  fake.answer(processor(300, {3'000'000, 0}));
  fake.answer(processor(300, {4'000'000, 0}));
  sampler.TakeCpuSample();
  sampler.TakeCpuSample();
  // More idle time than elapsed time.
  EXPECT_DOUBLE_EQ(load(0), -0.5);
  // A sample within the same millisecond.
  sampler.TakeCpuSample();
  EXPECT_EQ(load(0), 0.0);
  EXPECT_EQ(load(1), 0.0);
}

TEST_F(NtSampler, IndexOutsideTheInstancesIsAnError) {
  fake.answer(processor(0, {0, 0, 0}));
  EXPECT_EQ(errorOf([&] { load(3); }), "CPU index out of bounds");
  EXPECT_EQ(errorOf([&] { load(-1); }), "CPU index out of bounds");
  EXPECT_EQ(errorOf([&] { load(2); }), "(no error)");
}

TEST_F(NtSampler, BufferGrowsBy4096UntilTheDataFits) {
  // 300 instances: more than 12288 bytes, less than 16384.
  std::vector<std::int64_t> idle(300, 0);
  idle[299] = 123;
  auto big = processor(0, idle);
  ASSERT_GT(big.size(), 12288u);
  ASSERT_LE(big.size(), 16384u);
  fake.answer(big);
  fake.answer(processor(200, {1'000'000}));

  sampler.TakeCpuSample();
  EXPECT_EQ(fake.querySizes, (std::vector<std::uint32_t>{8192, 12288, 16384}));
  EXPECT_EQ(sampler.bufferSize(), 16384u);
  EXPECT_EQ(sampler.CpuInstanceCount(), 300);

  // Smaller data later: the buffer keeps its size.
  sampler.TakeCpuSample();
  EXPECT_EQ(fake.querySizes.back(), 16384u);
  EXPECT_EQ(sampler.bufferSize(), 16384u);
  EXPECT_DOUBLE_EQ(load(0), 0.5);
}

TEST_F(NtSampler, FailedQueryRepeatsThePreviousSample) {
  fake.answer(processor(0, {0}));
  fake.answer(processor(200, {1'000'000}));
  fake.fail(5);  // ERROR_ACCESS_DENIED
  fake.answer(processor(400, {1'500'000}));
  sampler.TakeCpuSample();
  sampler.TakeCpuSample();
  sampler.TakeCpuSample();
  EXPECT_EQ(load(0), 0.0);
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(load(0), 0.75);
}

TEST_F(NtSampler, MissingObjectOrCounterIsAnErrorThatShiftsNothing) {
  fake.answer(processor(0, {0}));
  fake.answer(processor(200, {1'000'000}));
  fake.answer(B().at(400).object(kSystemObject, {6}, {0}).build());
  fake.answer(B().at(400).object(kProcessorObject, {142, 144}, {0}).build());
  sampler.TakeCpuSample();
  sampler.TakeCpuSample();
  EXPECT_EQ(errorOf([&] { sampler.TakeCpuSample(); }),
            "Unable to locate the \"Processor\" performance object");
  EXPECT_EQ(errorOf([&] { sampler.TakeCpuSample(); }),
            "Unable to locate the \"% of CPU usage\" performance counter");
  EXPECT_DOUBLE_EQ(load(0), 0.5);
  // Once the performance data has worked, it is never replaced.
  EXPECT_EQ(fake.timesCalls, 0);
}

TEST_F(NtSampler, FirstSampleWithoutTheCounterHasAlreadyCountedTheInstances) {
  fake.answer(B().at(0).object(kProcessorObject, {142}, {0, 0}).build());
  EXPECT_EQ(errorOf([&] { sampler.TakeCpuSample(); }),
            "Unable to locate the \"% of CPU usage\" performance counter");
  EXPECT_EQ(sampler.CpuInstanceCount(), 2);
  EXPECT_EQ(fake.querySizes.size(), 1u);
  EXPECT_EQ(load(1), 0.0);
}

TEST_F(NtSampler, InstancesThatDisappearShowNoIdleTime) {
  fake.answer(processor(0, {0, 0, 0}));
  fake.answer(processor(200, {1'000'000, 2'000'000}));
  fake.answer(processor(400, {2'000'000, 2'000'000, 9'000'000, 9'000'000}));
  sampler.TakeCpuSample();
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(load(0), 0.5);
  EXPECT_DOUBLE_EQ(load(1), 0.0);
  EXPECT_DOUBLE_EQ(load(2), 1.0);
  // More instances than at the first sample: the count stays.
  sampler.TakeCpuSample();
  EXPECT_EQ(sampler.CpuInstanceCount(), 3);
  EXPECT_DOUBLE_EQ(load(0), 0.5);
  EXPECT_DOUBLE_EQ(load(2), 1.0 - 9'000'000.0 / k200ms);
}

TEST_F(NtSampler, TruncatedDataIsNeverReadPastItsEnd) {
  fake.answer(processor(0, {0, 0, 0}));
  auto cut = processor(200, {1'000'000, 1'000'000, 1'000'000});
  cut.resize(cut.size() - 4);  // half of the last instance's value
  fake.answer(cut);
  sampler.TakeCpuSample();
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(load(0), 0.5);
  EXPECT_DOUBLE_EQ(load(1), 0.5);
  // Read past the end, the fake's filler would give a wild value.
  EXPECT_EQ(load(2), 1.0);
}

TEST_F(NtSampler, CorruptInstanceCountIsCappedByTheData) {
  B b;
  auto data = b.at(0).object(kProcessorObject, {kProcessorTimeCounter}, {0, 0}).build();
  B::put32(data, b.objectAt(0) + B::kObjectNumInstances, 0x7FFFFFFF);
  fake.answer(data);
  int count = sampler.CpuInstanceCount();
  EXPECT_GE(count, 2);
  EXPECT_LE(count, static_cast<int>(data.size() / 28));
  // Past the two real instances nothing counts as idle.
  fake.answer(processor(200, {1'000'000, 1'000'000}));
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(load(1), 0.5);
  EXPECT_EQ(load(count - 1), 1.0);
}

TEST_F(NtSampler, InvalidSystemTimeKeepsThePreviousTimeStamp) {
  fake.answer(processor(0, {0}));
  auto bad = processor(200, {500'000});
  B::put16(bad, B::kBlockSystemTime + 2, 13);  // month
  fake.answer(bad);
  fake.answer(processor(400, {1'000'000}));
  sampler.TakeCpuSample();
  sampler.TakeCpuSample();
  EXPECT_EQ(load(0), 0.0);
  // The next good time stamp counts from the last good one.
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(load(0), 1.0 - 500'000.0 / (2 * k200ms));
}

// --- Without a processor object: the system's own times ------------------

TEST_F(NtSampler, WithoutProcessorObjectAtFirstSampleUsesSystemTimes) {
  fake.answer(B().at(0).object(kSystemObject, {6}, {0}).build());
  fake.times.push_back(PerformanceData::SystemTimes{1000, 3000, 1000});
  fake.times.push_back(PerformanceData::SystemTimes{1500, 4500, 1500});
  EXPECT_EQ(sampler.CpuInstanceCount(), 1);
  sampler.TakeCpuSample();
  // 500 idle of 2000 elapsed (kernel includes idle).
  EXPECT_DOUBLE_EQ(load(0), 0.75);
  EXPECT_EQ(errorOf([&] { load(1); }), "CPU index out of bounds");
  // The performance data is not asked again.
  EXPECT_EQ(fake.querySizes.size(), 1u);

  // A failed reading repeats the previous one.
  sampler.TakeCpuSample();
  EXPECT_EQ(load(0), 0.0);
}

TEST_F(NtSampler, FailedFirstQueryAlsoFallsBackToSystemTimes) {
  fake.fail();
  fake.times.push_back(PerformanceData::SystemTimes{10, 20, 30});
  EXPECT_EQ(sampler.CpuInstanceCount(), 1);
  EXPECT_DOUBLE_EQ(load(0), 1.0 - 10.0 / 50.0);
}

TEST_F(NtSampler, WithoutEitherSourceTheObjectIsMissing) {
  fake.fail();
  EXPECT_EQ(errorOf([&] { sampler.TakeCpuSample(); }),
            "Unable to locate the \"Processor\" performance object");
  EXPECT_EQ(fake.timesCalls, 1);
  // Still unsized: the next sample starts over.
  fake.answer(processor(0, {0, 0}));
  EXPECT_EQ(sampler.CpuInstanceCount(), 2);
}

TEST(CpuSamplerStart, FailsWithoutTheWindowsVersion) {
  FakePerformanceData fake;
  fake.platform.reset();
  CpuSampler sampler(fake);
  EXPECT_EQ(errorOf([&] { sampler.StartCpuSampler(); }), "Can't get the Windows version");
}

// --- The sampler on the 9x line ------------------------------------------

class Win9xSampler : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.platform = 1;  // VER_PLATFORM_WIN32_WINDOWS
    fake.dynKeys = {"PerfStats\\StartStat", "PerfStats\\StatData", "PerfStats\\StopStat"};
    fake.dynValues["PerfStats\\StatData"] = 45;
    sampler.StartCpuSampler();
  }

  FakePerformanceData fake;
  CpuSampler sampler{fake};
};

TEST_F(Win9xSampler, OneInstanceWithoutAskingTheSystem) {
  EXPECT_EQ(sampler.CpuInstanceCount(), 1);
  EXPECT_EQ(errorOf([&] { sampler.CpuLoadFraction(1); }), "CPU index out of bounds");
  EXPECT_EQ(errorOf([&] { sampler.CpuLoadFraction(-1); }), "CPU index out of bounds");
  EXPECT_TRUE(fake.dynLog.empty());
  EXPECT_TRUE(fake.querySizes.empty());
}

TEST_F(Win9xSampler, StartsTheStatisticThenReadsThePercentage) {
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(0), 0.45);
  EXPECT_EQ(fake.dynLog, (std::vector<std::string>{
                             "open PerfStats\\StartStat 983103",
                             "read PerfStats\\StartStat KERNEL\\CPUUsage",
                             "close PerfStats\\StartStat",
                             "open PerfStats\\StatData 131097",
                             "read PerfStats\\StatData KERNEL\\CPUUsage",
                         }));
  fake.dynLog.clear();
  fake.dynValues["PerfStats\\StatData"] = 100;
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(0), 1.0);
  EXPECT_EQ(fake.dynLog, (std::vector<std::string>{"read PerfStats\\StatData KERNEL\\CPUUsage"}));
  // A failed read keeps the last value.
  fake.dynValues.erase("PerfStats\\StatData");
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(0), 1.0);
}

TEST_F(Win9xSampler, KeysThatDontOpenAreErrorsAndTheStartIsRetried) {
  fake.dynKeys.erase("PerfStats\\StartStat");
  EXPECT_EQ(errorOf([&] { sampler.TakeCpuSample(); }), "Unable to start performance monitoring");

  fake.dynKeys.insert("PerfStats\\StartStat");
  fake.dynKeys.erase("PerfStats\\StatData");
  EXPECT_EQ(errorOf([&] { sampler.TakeCpuSample(); }), "Unable to read performance data");
  EXPECT_TRUE(fake.openDynKeys.empty());

  fake.dynKeys.insert("PerfStats\\StatData");
  fake.dynLog.clear();
  EXPECT_DOUBLE_EQ(sampler.CpuLoadFraction(0), 0.45);
  EXPECT_EQ(fake.dynLog.front(), "open PerfStats\\StartStat 983103");
}

TEST_F(Win9xSampler, StopClosesTheStatisticOnce) {
  sampler.TakeCpuSample();
  fake.dynLog.clear();
  sampler.StopCpuSampling();
  EXPECT_EQ(fake.dynLog, (std::vector<std::string>{
                             "close PerfStats\\StatData",
                             "open PerfStats\\StopStat 983103",
                             "read PerfStats\\StopStat KERNEL\\CPUUsage",
                             "close PerfStats\\StopStat",
                         }));
  EXPECT_TRUE(fake.openDynKeys.empty());
  fake.dynLog.clear();
  sampler.StopCpuSampling();
  EXPECT_TRUE(fake.dynLog.empty());
}

TEST_F(Win9xSampler, StopIgnoresFailuresAndNeedsAStart) {
  sampler.StopCpuSampling();
  EXPECT_TRUE(fake.dynLog.empty());

  sampler.TakeCpuSample();
  fake.dynKeys.clear();
  EXPECT_NO_THROW(sampler.StopCpuSampling());
  EXPECT_TRUE(fake.openDynKeys.empty());
}

TEST(CpuSamplerEnd, DestructionStopsARunningStatistic) {
  FakePerformanceData fake;
  fake.platform = 1;
  fake.dynKeys = {"PerfStats\\StartStat", "PerfStats\\StatData"};
  {
    CpuSampler sampler(fake);
    sampler.StartCpuSampler();
    sampler.TakeCpuSample();
    EXPECT_EQ(fake.openDynKeys.size(), 1u);
  }
  EXPECT_TRUE(fake.openDynKeys.empty());
}

}  // namespace
}  // namespace dozorik
