#pragma once

namespace dozorik {

// What the watch tick asks of the processor-load sampler.
class LoadSampler {
 public:
  virtual ~LoadSampler() = default;
  // Takes a new sample; false when the system gave no reading this time (the
  // last sample then stays the last). Throws Error on data it can't use.
  virtual bool TakeCpuSample() = 0;
  // How many processor instances the samples list.
  virtual int CpuInstanceCount() = 0;
  // Load of one instance between the last two samples; 1.0 is fully busy.
  virtual double CpuLoadFraction(int index) = 0;
};

}  // namespace dozorik
