#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/counter_instances.h"
#include "platform/win32/pdh_query_win32.h"

namespace dozorik::win32 {

// One counter of the Performance Data Helper, by its English path with a
// wildcard for the instance. The query is opened at the first reading.
class Win32CounterInstances : public CounterInstances {
 public:
  explicit Win32CounterInstances(std::wstring englishPath) : path_(std::move(englishPath)) {}

  SourceAnswer read(std::vector<CounterInstance>& into) override;

 private:
  SourceAnswer open();

  std::wstring path_;
  std::unique_ptr<PdhQuery> query_;
  PdhQuery::Counter counter_;
  bool notProvided_ = false;
};

}  // namespace dozorik::win32
