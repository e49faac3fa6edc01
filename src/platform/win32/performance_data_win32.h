#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/performance_data.h"
#include "platform/win32/counter_instances_win32.h"

namespace dozorik::win32 {

// The processor-load sources of the running Windows: the version record, the
// registry's performance data, GetSystemTimes and the 9x dynamic data.
class Win32PerformanceData : public PerformanceData {
 public:
  Win32PerformanceData() = default;
  // Closes HKEY_PERFORMANCE_DATA once it has been queried, which releases
  // what the system loaded to collect the data.
  ~Win32PerformanceData() override;
  Win32PerformanceData(const Win32PerformanceData&) = delete;
  Win32PerformanceData& operator=(const Win32PerformanceData&) = delete;

  std::optional<std::uint32_t> platformId() override;
  long queryProcessorData(std::uint8_t* buffer, std::uint32_t& size) override;
  std::optional<SystemTimes> systemTimes() override;
  std::optional<ProcessorCount> processorCount() override;
  std::optional<InstanceLoads> processorInformation() override;
  std::optional<DynKey> openDynData(const std::string& subkey, std::uint32_t access) override;
  bool readDynDword(DynKey key, const std::string& name, std::uint32_t& value) override;
  void closeDynData(DynKey key) override;

 private:
  bool queried_ = false;
  // Every processor group's processors, through PDH; asked only on a
  // machine of more than one group.
  Win32CounterInstances information_{L"\\Processor Information(*)\\% Processor Time"};
  bool informationRead_ = false;  // a reading with values has come
};

}  // namespace dozorik::win32
