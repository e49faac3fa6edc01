#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dozorik {

// Where the processor load comes from: the NT performance data, the system's
// own idle/kernel/user times, and the 9x dynamic statistics.
class PerformanceData {
 public:
  static constexpr long kSuccess = 0;
  static constexpr long kMoreData = 234;        // ERROR_MORE_DATA
  static constexpr uint32_t kAllAccess = 0xF003F;  // KEY_ALL_ACCESS
  static constexpr uint32_t kRead = 0x20019;       // KEY_READ
  static constexpr uint32_t kPlatformNt = 2;       // VER_PLATFORM_WIN32_NT

  using DynKey = std::uintptr_t;

  struct SystemTimes {
    std::uint64_t idle = 0;    // 100 ns units
    std::uint64_t kernel = 0;  // includes the idle time
    std::uint64_t user = 0;
  };

  virtual ~PerformanceData() = default;

  // The running system's platform identifier; nothing when the version
  // record can't be read.
  virtual std::optional<std::uint32_t> platformId() = 0;

  // Reads the processor object's performance data into `buffer`. `size` comes
  // in as the buffer's size and goes out as the number of bytes returned.
  // Answers a Win32 status: kSuccess, kMoreData or another error code.
  virtual long queryProcessorData(std::uint8_t* buffer, std::uint32_t& size) = 0;

  // The system's accumulated idle, kernel and user times.
  virtual std::optional<SystemTimes> systemTimes() = 0;

  // Logical processors on the machine, over all processor groups, and in the
  // group of the calling thread; nothing before Windows 7, which has groups.
  struct ProcessorCount {
    int all = 0;
    int ownGroup = 0;
  };
  virtual std::optional<ProcessorCount> processorCount() = 0;

  // One reading of "\Processor Information(*)\% Processor Time" over every
  // processor group: each instance's name ("0,3", "1,_Total", "_Total") and
  // its load in percent since the reading before. Empty at the first
  // reading, which has nothing to compare with; nothing where the system has
  // no such counters (before Windows 7) or gave no reading.
  using InstanceLoads = std::vector<std::pair<std::string, double>>;
  virtual std::optional<InstanceLoads> processorInformation() = 0;

  // The 9x dynamic data: subkeys of HKEY_DYN_DATA and their 4-byte values.
  virtual std::optional<DynKey> openDynData(const std::string& subkey,
                                            std::uint32_t access) = 0;
  virtual bool readDynDword(DynKey key, const std::string& name,
                            std::uint32_t& value) = 0;
  virtual void closeDynData(DynKey key) = 0;
};

}  // namespace dozorik
