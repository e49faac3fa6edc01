#include "cpuload/cpu_sampler.h"

#include <algorithm>

#include "platform/error.h"

namespace dozorik {
namespace {

constexpr const char* kStartStat = "PerfStats\\StartStat";
constexpr const char* kStatData = "PerfStats\\StatData";
constexpr const char* kStopStat = "PerfStats\\StopStat";
constexpr const char* kCpuUsage = "KERNEL\\CPUUsage";
// The system's times since boot have nothing to compare with at the first
// sample. It reads as the performance data's first sample does, just below
// fully busy (99 %), so that the first tick of a run never counts as quiet.
constexpr double kFirstSystemTimesLoad = 0.999;

// The difference of two raw 64-bit readings. Counters and clocks from the
// system may jump anywhere; wrap rather than overflow.
std::int64_t difference(std::int64_t now, std::int64_t before) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(now) -
                                   static_cast<std::uint64_t>(before));
}

}  // namespace

CpuSampler::CpuSampler(PerformanceData& data)
    : data_(data), PerfBuffer(kInitialBufferSize, 0) {}

CpuSampler::~CpuSampler() { StopCpuSampling(); }

void CpuSampler::StartCpuSampler() {
  InstanceCount = -1;
  PerfBufferSize = kInitialBufferSize;
  PerfBuffer.assign(PerfBufferSize, 0);
  validBytes_ = 0;
  useSystemTimes_ = false;
  firstSystemTimes_ = false;
  useInformation_ = false;

  auto platform = data_.platformId();
  if (!platform) throw Error("Can't get the Windows version");
  IsNtPlatform = *platform == PerformanceData::kPlatformNt;
}

bool CpuSampler::TakeCpuSample() { return IsNtPlatform ? takeNtSample() : take9xSample(); }

// A reading the system refuses is no sample: walked again, the previous
// data would show no time passing, which reads as an idle machine.
bool CpuSampler::takeNtSample() {
  if (useInformation_) return takeInformationSample();
  if (useSystemTimes_) {
    auto times = data_.systemTimes();
    if (!times) return false;
    firstSystemTimes_ = false;
    takeSystemTimesSample(*times);
    return true;
  }

  // The system answers ERROR_MORE_DATA until the buffer holds all of the
  // data; it never says how much it needs, so grow in steps.
  std::uint32_t size = PerfBufferSize;
  long status = data_.queryProcessorData(PerfBuffer.data(), size);
  while (status == PerformanceData::kMoreData) {
    PerfBufferSize += kBufferGrowth;
    PerfBuffer.resize(PerfBufferSize);
    size = PerfBufferSize;
    status = data_.queryProcessorData(PerfBuffer.data(), size);
  }
  if (status == PerformanceData::kSuccess) {
    validBytes_ = std::min(size, PerfBufferSize);
  } else if (InstanceCount >= 0) {
    return false;
  }

  WalkResult result = walkProcessorData(PerfBuffer.data(), validBytes_, walk_);
  if (result == WalkResult::NoObject) {
    if (InstanceCount < 0 && startSystemTimes()) return true;
    throw Error("Unable to locate the \"Processor\" performance object");
  }
  if (InstanceCount < 0) {
    // The processors the object lists, the total after them.
    if (startInformation(walk_.instances - 1)) return true;
    sizeArrays(walk_.instances);
  }
  if (result == WalkResult::NoCounter) {
    throw Error("Unable to locate the \"% of CPU usage\" performance counter");
  }

  // Instances the data no longer lists (or lists past its end) keep their
  // last value in both slots: they show no idle time.
  CounterBefore = CounterNow;
  std::size_t read = std::min(CounterNow.size(), walk_.counters.size());
  std::copy_n(walk_.counters.begin(), read, CounterNow.begin());

  // A time stamp the system can't convert keeps the previous one, so the
  // next fraction reads 0.
  SampleTimeBefore = SampleTimeNow;
  if (walk_.time) SampleTimeNow = *walk_.time;
  return true;
}

// More processors than the first sample covers: a machine of more than one
// processor group, where the processor object and the system's times cover
// one group only, and a job in another would read as an idle machine. The
// processor information covers every group.
bool CpuSampler::startInformation(int covered) {
  const auto count = data_.processorCount();
  if (!count || count->all <= covered) return false;
  if (!data_.processorInformation()) return false;
  useInformation_ = true;
  firstInformation_ = true;
  informationLoads_.assign(1, 0.0);
  InstanceCount = 1;
  return true;
}

bool CpuSampler::takeInformationSample() {
  const auto loads = data_.processorInformation();
  if (!loads || loads->empty()) return false;
  std::vector<double> processors;
  std::optional<double> total;
  for (const auto& [name, percent] : *loads) {
    if (name == "_Total") {
      total = percent;
    } else if (name.find("_Total") == std::string::npos) {
      processors.push_back(percent);  // a group's own total is neither
    }
  }
  if (processors.empty()) return false;
  if (!total) {
    double sum = 0;
    for (double percent : processors) sum += percent;
    total = sum / static_cast<double>(processors.size());
  }
  processors.push_back(*total);
  for (double& percent : processors) percent /= 100.0;
  informationLoads_ = std::move(processors);
  InstanceCount = static_cast<int>(informationLoads_.size());
  firstInformation_ = false;
  return true;
}

bool CpuSampler::startSystemTimes() {
  auto times = data_.systemTimes();
  if (!times) return false;
  const auto count = data_.processorCount();
  if (count && startInformation(count->ownGroup)) return true;
  useSystemTimes_ = true;
  firstSystemTimes_ = true;
  sizeArrays(1);
  takeSystemTimesSample(*times);
  return true;
}

void CpuSampler::takeSystemTimesSample(const PerformanceData::SystemTimes& times) {
  // The idle time plays counter 6 and the busy-or-idle time plays the clock:
  // kernel time already includes the idle time.
  CounterBefore[0] = CounterNow[0];
  CounterNow[0] = static_cast<std::int64_t>(times.idle);
  SampleTimeBefore = SampleTimeNow;
  SampleTimeNow = static_cast<std::int64_t>(times.kernel + times.user);
}

void CpuSampler::sizeArrays(int count) {
  InstanceCount = count;
  CounterNow.assign(static_cast<std::size_t>(count), 0);
  CounterBefore.assign(static_cast<std::size_t>(count), 0);
}

bool CpuSampler::take9xSample() {
  if (!StatsStarted) {
    auto start = data_.openDynData(kStartStat, PerformanceData::kAllAccess);
    if (!start) throw Error("Unable to start performance monitoring");
    // Reading the value through StartStat is what starts the statistic.
    std::uint32_t value = 0;
    if (data_.readDynDword(*start, kCpuUsage, value)) Win9xCpuUsage = value;
    data_.closeDynData(*start);

    auto stat = data_.openDynData(kStatData, PerformanceData::kRead);
    if (!stat) throw Error("Unable to read performance data");
    StatDataKey = stat;
    StatsStarted = true;
  }
  std::uint32_t value = 0;
  if (!data_.readDynDword(*StatDataKey, kCpuUsage, value)) return false;
  Win9xCpuUsage = value;
  return true;
}

int CpuSampler::CpuInstanceCount() {
  if (!IsNtPlatform) return 1;
  if (InstanceCount < 0) TakeCpuSample();
  return InstanceCount;
}

double CpuSampler::CpuLoadFraction(int index) {
  if (!IsNtPlatform) {
    if (index != 0) throw Error("CPU index out of bounds");
    if (!StatsStarted) TakeCpuSample();
    return Win9xCpuUsage / 100.0;
  }

  if (InstanceCount < 0) TakeCpuSample();
  if (index >= InstanceCount || index < 0) throw Error("CPU index out of bounds");
  if (useInformation_) {
    return firstInformation_ ? kFirstSystemTimesLoad : informationLoads_[static_cast<std::size_t>(index)];
  }
  if (firstSystemTimes_) return kFirstSystemTimesLoad;
  // Two samples within one millisecond share a time stamp.
  if (SampleTimeBefore == SampleTimeNow) return 0.0;
  std::int64_t idle = difference(CounterNow[index], CounterBefore[index]);
  std::int64_t elapsed = difference(SampleTimeNow, SampleTimeBefore);
  // Not clamped: a counter or clock that jumps shows as a load outside 0..1.
  return 1.0 - static_cast<double>(idle) / static_cast<double>(elapsed);
}

void CpuSampler::StopCpuSampling() noexcept {
  if (!StatsStarted) return;
  StatsStarted = false;
  try {
    data_.closeDynData(*StatDataKey);
    StatDataKey.reset();
    // Reading the value through StopStat is what stops the statistic.
    if (auto stop = data_.openDynData(kStopStat, PerformanceData::kAllAccess)) {
      std::uint32_t value = 0;
      data_.readDynDword(*stop, kCpuUsage, value);
      data_.closeDynData(*stop);
    }
  } catch (...) {
    // Program end: nothing left to tell the user.
  }
}

}  // namespace dozorik
