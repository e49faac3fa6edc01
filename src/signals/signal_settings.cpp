#include "signals/signal_settings.h"

#include <algorithm>

#include "signals/image_name.h"
#include "ui/integer_text.h"

namespace dozorik::signals {
namespace {

int clampedNumber(const std::string& text, int maxValue) {
  const auto value = ui::integerFromText(text);
  return value ? std::clamp(*value, 0, maxValue) : 0;
}

std::string trimmed(const std::string& text, const char* around) {
  const std::size_t first = text.find_first_not_of(around);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(around) - first + 1);
}

}  // namespace

bool SignalSettings::on(Signal signal) const {
  return signal == Signal::Program ? !programs.empty() : threshold(signal) > 0;
}

int SignalSettings::threshold(Signal signal) const {
  switch (signal) {
    case Signal::Gpu:
      return gpuPercent;
    case Signal::Disk:
      return diskMegabytes;
    case Signal::Network:
      return networkKilobytes;
    case Signal::Program:
      return 1;
  }
  return 0;
}

bool SignalSettings::operator==(const SignalSettings& other) const {
  return gpuPercent == other.gpuPercent && diskMegabytes == other.diskMegabytes &&
         networkKilobytes == other.networkKilobytes && programs == other.programs;
}

SignalSettings readSignalSettings(const ReadText& read) {
  SignalSettings settings;
  settings.gpuPercent = clampedNumber(read("GPU"), SignalSettings::kMaxGpuPercent);
  settings.diskMegabytes = clampedNumber(read("Disk"), SignalSettings::kMaxDiskMegabytes);
  settings.networkKilobytes = clampedNumber(read("Siet"), SignalSettings::kMaxNetworkKilobytes);
  settings.programs = programNamesFromText(read("Program"));
  return settings;
}

void writeSignalSettings(const SignalSettings& settings, const WriteText& write) {
  write("GPU", std::to_string(settings.gpuPercent));
  write("Disk", std::to_string(settings.diskMegabytes));
  write("Siet", std::to_string(settings.networkKilobytes));
  write("Program", programNamesText(settings.programs));
}

std::vector<std::string> programNamesFromText(const std::string& text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    // Blanks and quotes around the entry, and again around the file name
    // once the path before it is gone.
    std::string name = trimmed(text.substr(start, end - start), " \t\"");
    name = trimmed(name.substr(name.find_last_of("\\/") + 1), " \t\"");
    if (!name.empty() && name.find('.') == std::string::npos) name += ".exe";
    const bool repeated = std::any_of(names.begin(), names.end(), [&](const std::string& known) {
      return sameImageName(known, name);
    });
    if (!name.empty() && !repeated) names.push_back(name);
    start = end + 1;
  }
  return names;
}

std::string programNamesText(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ";") + name;
  return text;
}

}  // namespace dozorik::signals
