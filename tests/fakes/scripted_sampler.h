#pragma once

#include <deque>
#include <vector>

#include "cpuload/load_sampler.h"
#include "platform/error.h"

namespace dozorik::fakes {

// Hands out the loads a test lines up, one per sample, as the last instance
// (the total, after the processors). The processors read loads of their own,
// unlike the total and unlike each other. With nothing lined up the last
// load repeats.
struct ScriptedSampler : LoadSampler {
  std::deque<double> fractions;
  std::vector<double> processors{0.5, 0.3};
  const char* failWith = nullptr;  // every sample fails with this error while set
  int refusals = 0;                // the next samples the system gives no reading for

  bool TakeCpuSample() override {
    if (failWith) throw Error(failWith);
    if (refusals > 0) {
      --refusals;
      return false;
    }
    if (!fractions.empty()) {
      current_ = fractions.front();
      fractions.pop_front();
    }
    return true;
  }
  int CpuInstanceCount() override { return static_cast<int>(processors.size()) + 1; }
  double CpuLoadFraction(int index) override {
    if (index < 0 || index > static_cast<int>(processors.size())) {
      throw Error("CPU index out of bounds");
    }
    return index == static_cast<int>(processors.size()) ? current_ : processors[index];
  }

 private:
  double current_ = 0.0;
};

}  // namespace dozorik::fakes
