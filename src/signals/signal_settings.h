#pragma once

#include <functional>
#include <string>
#include <vector>

#include "signals/reading.h"

namespace dozorik::signals {

// The thresholds of the signals besides the processor, each a string value
// of the program's key. 0 (or no names) switches a signal off, which is each
// one's default.
struct SignalSettings {
  int gpuPercent = 0;                 // "GPU": the busiest graphics engine, 0..100 %
  int diskMegabytes = 0;              // "Disk": all physical disks, 0..10000 MB/s
  int networkKilobytes = 0;           // "Siet": hardware interfaces, 0..1000000 kB/s
  std::vector<std::string> programs;  // "Program": image names, ';' between them

  static constexpr int kMaxGpuPercent = 100;
  static constexpr int kMaxDiskMegabytes = 10000;
  static constexpr int kMaxNetworkKilobytes = 1000000;

  bool on(Signal signal) const;
  // The reading at or above which the signal is busy (1 for programs: one runs).
  int threshold(Signal signal) const;
  bool operator==(const SignalSettings& other) const;
};

using ReadText = std::function<std::string(const std::string& name)>;
using WriteText = std::function<void(const std::string& name, const std::string& value)>;

// A text that is no number reads as 0 (off); a number out of range is
// clamped; blanks around it are ignored.
SignalSettings readSignalSettings(const ReadText& read);
void writeSignalSettings(const SignalSettings& settings, const WriteText& write);

// The names of a "Program" text: split at ';', each reduced to its file name
// (a path and blanks or quotes around it dropped), ".exe" added to a name
// without any extension, empty ones and repeats (in any letter case) left out.
std::vector<std::string> programNamesFromText(const std::string& text);
std::string programNamesText(const std::vector<std::string>& names);

}  // namespace dozorik::signals
