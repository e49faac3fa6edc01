#pragma once

#include <deque>

#include "cpuload/load_sampler.h"
#include "platform/error.h"

namespace dozorik::fakes {

// Hands out the loads a test lines up, one per sample, as the last of three
// processor instances (the others read 0.5). With nothing lined up it repeats the last.
struct ScriptedSampler : LoadSampler {
  std::deque<double> fractions;
  const char* failWith = nullptr;  // every sample fails with this error while set

  void TakeCpuSample() override {
    if (failWith) throw Error(failWith);
    if (fractions.empty()) return;
    current_ = fractions.front();
    fractions.pop_front();
  }
  int CpuInstanceCount() override { return 3; }
  double CpuLoadFraction(int index) override { return index == 2 ? current_ : 0.5; }

 private:
  double current_ = 0.0;
};

}  // namespace dozorik::fakes
