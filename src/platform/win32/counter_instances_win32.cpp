#include "platform/win32/counter_instances_win32.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <pdhmsg.h>

namespace dozorik::win32 {
namespace {

// What a Windows without the counter answers: pdh.dll or its function is
// missing (before Vista), or the object or counter is unknown (no "GPU
// Engine" before Windows 10 1709, performance counters switched off).
bool lacking(PdhQuery::Status status) {
  switch (status) {
    case ERROR_MOD_NOT_FOUND:
    case ERROR_PROC_NOT_FOUND:
    case PDH_CSTATUS_NO_OBJECT:
    case PDH_CSTATUS_NO_COUNTER:
    case PDH_CSTATUS_BAD_COUNTERNAME:
      return true;
    default:
      return false;
  }
}

// PDH's answers when the wildcard matches no instance: none to read.
bool noInstances(PdhQuery::Status status) {
  return status == PDH_NO_DATA || status == PDH_CSTATUS_NO_INSTANCE;
}

}  // namespace

SourceAnswer Win32CounterInstances::open() {
  auto query = std::make_unique<PdhQuery>();
  PdhQuery::Status status = query->openStatus();
  if (status == ERROR_SUCCESS) status = query->addEnglishCounter(path_, counter_);
  if (status != ERROR_SUCCESS) {
    notProvided_ = lacking(status);
    return notProvided_ ? SourceAnswer::NotProvided : SourceAnswer::NoValue;  // else try again
  }
  query_ = std::move(query);
  // The first collection has nothing to compare with.
  query_->collect();
  return SourceAnswer::NoValue;
}

SourceAnswer Win32CounterInstances::read(std::vector<CounterInstance>& into) {
  into.clear();
  if (notProvided_) return SourceAnswer::NotProvided;
  if (!query_) return open();
  PdhQuery::Status status = query_->collect();
  if (status == ERROR_SUCCESS) status = query_->readInstances(counter_, into);
  if (noInstances(status)) return SourceAnswer::Read;
  return status == ERROR_SUCCESS ? SourceAnswer::Read : SourceAnswer::NoValue;
}

}  // namespace dozorik::win32
