#pragma once

#include <deque>
#include <stdexcept>

#include "cpuload/load_sampler.h"
#include "platform/error.h"

namespace dozorik::fakes {

// Hands out the loads a test lines up, one per sample, as the last of
// `instances` processor instances. With nothing lined up it repeats the last.
class ScriptedSampler : public LoadSampler {
 public:
  std::deque<double> fractions;
  int instances = 3;
  int samples = 0;
  int lastIndexAsked = -1;
  const char* failWith = nullptr;

  void TakeCpuSample() override {
    if (failWith) throw Error(failWith);
    ++samples;
    if (!fractions.empty()) {
      current_ = fractions.front();
      fractions.pop_front();
    }
  }
  int CpuInstanceCount() override { return instances; }
  double CpuLoadFraction(int index) override {
    lastIndexAsked = index;
    return current_;
  }

 private:
  double current_ = 0.0;
};

}  // namespace dozorik::fakes
