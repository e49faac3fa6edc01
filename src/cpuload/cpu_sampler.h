#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "cpuload/load_sampler.h"
#include "cpuload/perf_data_walker.h"
#include "platform/performance_data.h"

namespace dozorik {

// Measures the processor load on both lines of Windows.
//
// NT line: the performance data's processor object (238) and its idle timer
// (counter 6) for every processor instance; the load of an instance is the
// share of the time between the last two samples that it was not idle. Where
// the system has no processor object at the first sample (performance
// counters disabled or damaged, or Wine), the sampler uses the system's
// idle/kernel/user times for the rest of the run, as one total instance.
//
// On a machine of more than one processor group, where the processor object
// and the system's times cover only one, the load comes from the processor
// information of every group instead.
//
// 9x line: the dynamic statistic "KERNEL\CPUUsage", already a percentage of
// the whole machine.
class CpuSampler : public LoadSampler {
 public:
  static constexpr std::uint32_t kInitialBufferSize = 8192;
  static constexpr std::uint32_t kBufferGrowth = 4096;

  explicit CpuSampler(PerformanceData& data);
  ~CpuSampler() override;
  CpuSampler(const CpuSampler&) = delete;
  CpuSampler& operator=(const CpuSampler&) = delete;

  // Runs once before the main window exists: picks the line by the system's
  // platform identifier. Throws Error when the version can't be read.
  void StartCpuSampler();

  bool TakeCpuSample() override;
  int CpuInstanceCount() override;
  double CpuLoadFraction(int index) override;

  // Runs once at program end: stops the 9x statistic. Never throws.
  void StopCpuSampling() noexcept;

  // Size of the buffer the performance data is read into; it only grows.
  std::uint32_t bufferSize() const { return PerfBufferSize; }

 private:
  bool takeNtSample();
  bool startSystemTimes();
  bool startInformation(int covered);
  bool takeInformationSample();
  void takeSystemTimesSample(const PerformanceData::SystemTimes& times);
  bool take9xSample();
  void sizeArrays(int count);

  PerformanceData& data_;
  bool IsNtPlatform = true;

  std::vector<std::uint8_t> PerfBuffer;
  std::uint32_t PerfBufferSize = kInitialBufferSize;
  std::uint32_t validBytes_ = 0;  // bytes of PerfBuffer the last good query filled
  ProcessorData walk_;            // reused by every sample

  int InstanceCount = -1;
  std::vector<std::int64_t> CounterNow;
  std::vector<std::int64_t> CounterBefore;
  std::int64_t SampleTimeNow = 0;
  std::int64_t SampleTimeBefore = 0;
  bool useSystemTimes_ = false;    // no processor object at the first sample
  bool firstSystemTimes_ = false;  // only one sample of the system's times yet
  bool useInformation_ = false;    // more processors than the first sample covered
  bool firstInformation_ = false;  // no processor information with values yet
  std::vector<double> informationLoads_;  // the processors' loads, the total last

  bool StatsStarted = false;
  std::optional<PerformanceData::DynKey> StatDataKey;
  std::uint32_t Win9xCpuUsage = 0;
};

}  // namespace dozorik
