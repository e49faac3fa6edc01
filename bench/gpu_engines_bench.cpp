// The cost of one reading of the graphics signal, the busiest engine over
// 600 "GPU Engine" instances (30 processes on the 20 engines of two
// adapters, as a busy system lists them), against the cost of one reading
// of the processor as every tick takes it: the performance data's processor
// object with four processors and their total, walked, and each load read.
// Prints the ratio, and the ratio per second: the signals are read once a
// second, the processor five times.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cpuload/cpu_sampler.h"
#include "cpuload/perf_data_walker.h"
#include "fakes/fake_performance_data.h"
#include "signals/gpu_engines.h"

namespace dozorik::bench {
namespace {

std::vector<CounterInstance> busySystemsEngines() {
  const char* adapters[] = {"luid_0x00000000_0x0000D1A6_phys_0",
                            "luid_0x00000000_0x0001F3C2_phys_0"};
  const char* types[] = {"3D",        "Copy",      "VideoEncode",     "VideoDecode",
                         "Compute_0", "Compute_1", "VideoProcessing", "Security",
                         "Copy",      "3D"};
  std::vector<CounterInstance> instances;
  for (int pid = 0; pid < 30; ++pid) {
    for (int adapter = 0; adapter < 2; ++adapter) {
      for (int engine = 0; engine < 10; ++engine) {
        instances.push_back({"pid_" + std::to_string(1000 + 4 * pid) + "_" + adapters[adapter] +
                                 "_eng_" + std::to_string(engine) + "_engtype_" + types[engine],
                             (pid * 7 + engine * 3) % 5 * 0.7});
      }
    }
  }
  return instances;
}

void gpuReading(benchmark::State& state) {
  const std::vector<CounterInstance> instances = busySystemsEngines();
  for (auto _ : state) benchmark::DoNotOptimize(signals::busiestEnginePercent(instances));
}
BENCHMARK(gpuReading)->Name("gpu engines/600");

// The same processor data at every query, 200 ms later each time, as a
// steady system answers.
struct SteadyPerformanceData : PerformanceData {
  SteadyPerformanceData() {
    for (std::uint32_t ms = 0; ms < 2 * 200; ms += 200) {
      blocks.push_back(
          PerfDataBuilder()
              .object(kProcessorObject, {kProcessorTimeCounter},
                      {5'000'000 + ms, 4'000'000, 6'000'000 + ms, 7'000'000, 9'000'000})
              .build(ms));
    }
  }
  std::optional<std::uint32_t> platformId() override { return kPlatformNt; }
  long queryProcessorData(std::uint8_t* buffer, std::uint32_t& size) override {
    const std::vector<std::uint8_t>& block = blocks[next++ % blocks.size()];
    if (block.size() > size) return kMoreData;
    std::copy(block.begin(), block.end(), buffer);
    size = static_cast<std::uint32_t>(block.size());
    return kSuccess;
  }
  std::optional<SystemTimes> systemTimes() override { return std::nullopt; }
  std::optional<ProcessorCount> processorCount() override { return ProcessorCount{4, 4}; }
  std::optional<InstanceLoads> processorInformation() override { return std::nullopt; }
  std::optional<DynKey> openDynData(const std::string&, std::uint32_t) override { return {}; }
  bool readDynDword(DynKey, const std::string&, std::uint32_t&) override { return false; }
  void closeDynData(DynKey) override {}

  std::vector<std::vector<std::uint8_t>> blocks;
  std::size_t next = 0;
};

void processorReading(benchmark::State& state) {
  SteadyPerformanceData data;
  CpuSampler sampler(data);
  sampler.StartCpuSampler();
  for (auto _ : state) {
    sampler.TakeCpuSample();
    double busiest = 0;
    for (int i = 0; i < sampler.CpuInstanceCount(); ++i) {
      busiest = std::max(busiest, sampler.CpuLoadFraction(i));
    }
    benchmark::DoNotOptimize(busiest);
  }
}
BENCHMARK(processorReading)->Name("processor/4");

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  std::map<std::string, double> times;
};

}  // namespace
}  // namespace dozorik::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  dozorik::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto& t = reporter.times;
  const double gpu = t["gpu engines/600"], processor = t["processor/4"];
  if (gpu <= 0 || processor <= 0) return 0;  // filtered out
  std::printf("\ngpu reading / processor reading:   %.1f\n", gpu / processor);
  std::printf("per second (1 gpu, 5 processor):   %.2f\n", gpu / (5 * processor));
  return 0;
}
