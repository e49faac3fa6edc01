#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/counter_instances.h"

namespace dozorik::win32 {

// A real-time query of the Performance Data Helper over counters named by
// their English paths, wildcards allowed ("\Processor Information(*)\%
// Processor Time"), so that it reads the same on a Windows of any language.
// pdh.dll is loaded at run time: it is not among the DLLs the program may
// import, and PdhAddEnglishCounterW is new in Vista.
class PdhQuery {
 public:
  // PDH_STATUS: ERROR_SUCCESS, a Win32 error or a PDH code (pdhmsg.h).
  using Status = std::uint32_t;
  static constexpr Status kSuccess = 0;
  // A counter of the query, valid while the query is open.
  struct Counter {
    void* handle = nullptr;  // PDH_HCOUNTER
    bool wildcard = false;   // its path names instances with a wildcard
    std::string instance;    // else the one instance it names, or empty
  };

  // Loads pdh.dll and opens the query; openStatus() tells how that went.
  PdhQuery();
  ~PdhQuery();
  PdhQuery(PdhQuery&&) noexcept;
  PdhQuery& operator=(PdhQuery&&) noexcept;
  PdhQuery(const PdhQuery&) = delete;
  PdhQuery& operator=(const PdhQuery&) = delete;

  // ERROR_MOD_NOT_FOUND without pdh.dll, ERROR_PROC_NOT_FOUND without one of
  // its functions, else what PdhOpenQueryW answered.
  Status openStatus() const;

  // Adds a counter. A Windows without it answers PDH_CSTATUS_NO_OBJECT or
  // PDH_CSTATUS_NO_COUNTER; a wildcard that matches nothing yet is no error.
  Status addEnglishCounter(const std::wstring& path, Counter& counter);

  // Takes a reading of every counter. A rate or a percentage needs two: its
  // value covers the time between the last two collections.
  Status collect();

  // Every instance of the counter whose value is valid, as a double and not
  // capped at 100; an instance that appeared since the last collection has
  // none yet. Replaces what `into` held. A counter without a wildcard is
  // read as its one value (Wine, which knows no wildcards, also lacks the
  // array call: only a stub that ends the program).
  Status readInstances(const Counter& counter, std::vector<CounterInstance>& into);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace dozorik::win32
