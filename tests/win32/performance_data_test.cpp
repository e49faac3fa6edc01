#include "platform/win32/performance_data_win32.h"

#include <windows.h>
#include <winperf.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

#include "cpuload/cpu_sampler.h"
#include "cpuload/perf_data_walker.h"
#include "fakes/fake_performance_data.h"

namespace dozorik::win32 {
namespace {

// The test data of the logic tests must have the layout this build's system
// hands it.
using B = PerfDataBuilder;
static_assert(offsetof(PERF_DATA_BLOCK, HeaderLength) == B::kBlockHeaderLength);
static_assert(offsetof(PERF_DATA_BLOCK, NumObjectTypes) == B::kBlockNumObjectTypes);
static_assert(offsetof(PERF_DATA_BLOCK, SystemTime) == B::kBlockSystemTime);
static_assert(sizeof(PERF_DATA_BLOCK) == B::kBlockSize);
static_assert(sizeof(SYSTEMTIME) == sizeof(CalendarTime));
static_assert(offsetof(PERF_OBJECT_TYPE, TotalByteLength) == B::kObjectTotalByteLength);
static_assert(offsetof(PERF_OBJECT_TYPE, DefinitionLength) == B::kObjectDefinitionLength);
static_assert(offsetof(PERF_OBJECT_TYPE, HeaderLength) == B::kObjectHeaderLength);
static_assert(offsetof(PERF_OBJECT_TYPE, ObjectNameTitleIndex) == B::kObjectNameTitleIndex);
static_assert(offsetof(PERF_OBJECT_TYPE, NumCounters) == B::kObjectNumCounters);
static_assert(offsetof(PERF_OBJECT_TYPE, NumInstances) == B::kObjectNumInstances);
static_assert(sizeof(PERF_OBJECT_TYPE) == B::kObjectSize);
static_assert(offsetof(PERF_COUNTER_DEFINITION, ByteLength) == B::kCounterByteLength);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterNameTitleIndex) ==
              B::kCounterNameTitleIndex);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterOffset) == B::kCounterOffset);
static_assert(sizeof(PERF_COUNTER_DEFINITION) == B::kCounterDefinitionSize);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, ByteLength) == B::kInstanceByteLength);
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == B::kInstanceSize);
static_assert(PERF_NO_INSTANCES == B::kNoInstances);

TEST(Win32PerformanceData, RunsOnTheNtLineAndItsSystemTimesGrow) {
  Win32PerformanceData data;
  EXPECT_EQ(data.platformId(), std::optional<std::uint32_t>(PerformanceData::kPlatformNt));
  auto first = data.systemTimes();
  ASSERT_TRUE(first);
  EXPECT_GE(first->kernel, first->idle);  // kernel time includes idle time
  // The system counts in clock ticks; wait until at least one has passed.
  auto later = first;
  for (int i = 0; i < 200 && later->kernel + later->user == first->kernel + first->user; ++i) {
    Sleep(20);
    later = data.systemTimes();
    ASSERT_TRUE(later);
  }
  EXPECT_GT(later->kernel + later->user, first->kernel + first->user);
  EXPECT_GE(later->idle, first->idle);
  EXPECT_GE(later->kernel, first->kernel);
  EXPECT_GE(later->user, first->user);
}

TEST(Win32PerformanceData, SamplerMeasuresTheRealSystem) {
  Win32PerformanceData data;
  CpuSampler sampler(data);
  sampler.StartCpuSampler();
  sampler.TakeCpuSample();
  Sleep(50);
  sampler.TakeCpuSample();
  int count = sampler.CpuInstanceCount();
  ASSERT_GE(count, 1);
  double load = sampler.CpuLoadFraction(count - 1);
  EXPECT_TRUE(std::isfinite(load));
  EXPECT_GE(load, -0.01);
  EXPECT_LE(load, 1.01);
}

}  // namespace
}  // namespace dozorik::win32
