#include "platform/win32/performance_data_win32.h"

#include <windows.h>

namespace dozorik::win32 {
namespace {

// GetVersionExA wants the record's size in its first field: the size of
// OSVERSIONINFOA, which the 9x line knows too.
constexpr DWORD kVersionRecordSize = 148;
static_assert(sizeof(OSVERSIONINFOA) == kVersionRecordSize);

std::uint64_t ticks(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

HKEY toKey(PerformanceData::DynKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

Win32PerformanceData::~Win32PerformanceData() {
  if (queried_) RegCloseKey(HKEY_PERFORMANCE_DATA);
}

std::optional<std::uint32_t> Win32PerformanceData::platformId() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = kVersionRecordSize;
  // Only the platform identifier is used, which the compatibility shims that
  // make GetVersionEx lie about the version number leave alone.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
  if (!GetVersionExA(&version)) return std::nullopt;
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
  return version.dwPlatformId;
}

long Win32PerformanceData::queryProcessorData(std::uint8_t* buffer, std::uint32_t& size) {
  queried_ = true;
  DWORD length = size;
  // "238" asks for the processor object alone, which keeps the data small.
  LONG status = RegQueryValueExA(HKEY_PERFORMANCE_DATA, "238", nullptr, nullptr, buffer, &length);
  size = length;
  return status;
}

std::optional<PerformanceData::SystemTimes> Win32PerformanceData::systemTimes() {
  FILETIME idle{}, kernel{}, user{};
  if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
  return SystemTimes{ticks(idle), ticks(kernel), ticks(user)};
}

std::optional<PerformanceData::ProcessorCount> Win32PerformanceData::processorCount() {
  // Processor groups came with Windows 7; before, there is one.
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  using CountFn = DWORD(WINAPI*)(WORD);
  using AffinityFn = BOOL(WINAPI*)(HANDLE, GROUP_AFFINITY*);
  auto count = reinterpret_cast<CountFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetActiveProcessorCount")));
  auto affinity = reinterpret_cast<AffinityFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetThreadGroupAffinity")));
  if (!count || !affinity) return std::nullopt;
  GROUP_AFFINITY own{};
  if (!affinity(GetCurrentThread(), &own)) return std::nullopt;
  ProcessorCount processors;
  processors.all = static_cast<int>(count(ALL_PROCESSOR_GROUPS));
  processors.ownGroup = static_cast<int>(count(own.Group));
  if (processors.all <= 0 || processors.ownGroup <= 0) return std::nullopt;
  return processors;
}

std::optional<PerformanceData::InstanceLoads> Win32PerformanceData::processorInformation() {
  std::vector<CounterInstance> instances;
  switch (information_.read(instances)) {
    case SourceAnswer::NotProvided: return std::nullopt;
    // Nothing to compare the first reading with; later, a failed reading.
    case SourceAnswer::NoValue: return informationRead_ ? std::nullopt : std::optional(InstanceLoads{});
    case SourceAnswer::Read: break;
  }
  informationRead_ = true;
  InstanceLoads loads;
  for (const CounterInstance& instance : instances) loads.emplace_back(instance.name, instance.value);
  return loads;
}

std::optional<PerformanceData::DynKey> Win32PerformanceData::openDynData(const std::string& subkey,
                                                                         std::uint32_t access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_DYN_DATA, subkey.c_str(), 0, access, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return reinterpret_cast<DynKey>(key);
}

bool Win32PerformanceData::readDynDword(DynKey key, const std::string& name,
                                        std::uint32_t& value) {
  DWORD read = 0;
  DWORD size = sizeof read;
  if (RegQueryValueExA(toKey(key), name.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(&read), &size) != ERROR_SUCCESS) {
    return false;
  }
  value = read;
  return true;
}

void Win32PerformanceData::closeDynData(DynKey key) { RegCloseKey(toKey(key)); }

}  // namespace dozorik::win32
