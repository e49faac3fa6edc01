#include "signals/counter_signal.h"

namespace dozorik::signals {

Reading CounterSignal::read(bool discard) {
  if (notProvided_) return Reading::unavailable();
  instances_.clear();
  switch (source_.read(instances_)) {
    case SourceAnswer::NotProvided:
      notProvided_ = true;
      return Reading::unavailable();
    case SourceAnswer::NoValue:
      return {};
    case SourceAnswer::Read:
      break;
  }
  if (discard) return {};
  return Reading::of(reduce_(instances_));
}

}  // namespace dozorik::signals
