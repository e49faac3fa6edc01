#include "app/watch_options.h"

#include <algorithm>

#include "ui/integer_text.h"

namespace dozorik {

namespace {

int number(const std::string& text, int fallback, int minValue, int maxValue) {
  const auto value = ui::integerFromText(text);
  return value ? std::clamp(*value, minValue, maxValue) : fallback;
}

const char* flag(bool on) { return on ? "true" : "false"; }

}  // namespace

WatchOptions readWatchOptions(const ReadSetting& read) {
  const WatchOptions defaults;
  WatchOptions options;
  const std::string awake = read("Bdiet");
  options.keepAwake = awake == "false"     ? Power::Awake::No
                      : awake == "displej" ? Power::Awake::Display
                                           : Power::Awake::System;
  options.quietTicks = number(read("Tikov"), defaults.quietTicks, WatchOptions::kMinQuietTicks,
                              WatchOptions::kMaxQuietTicks);
  options.spikeTolerance = number(read("Tolerancia"), defaults.spikeTolerance, 0,
                                  WatchOptions::kMaxSpikeTolerance);
  options.busyFirst = read("NajprvZataz") == "true";
  options.busiestProcessor = read("Jadro") == "true";
  options.countdownSeconds = number(read("Odpocet"), defaults.countdownSeconds, 0,
                                    WatchOptions::kMaxCountdownSeconds);
  options.hibernate = read("Hibernacia") == "true";
  options.forceExit = read("Vynutit") == "true";
  return options;
}

void writeWatchOptions(const WatchOptions& options, const WriteSetting& write) {
  write("Bdiet", options.keepAwake == Power::Awake::No        ? "false"
                 : options.keepAwake == Power::Awake::Display ? "displej"
                                                              : "true");
  write("Tikov", std::to_string(options.quietTicks));
  write("Tolerancia", std::to_string(options.spikeTolerance));
  write("NajprvZataz", flag(options.busyFirst));
  write("Jadro", flag(options.busiestProcessor));
  write("Odpocet", std::to_string(options.countdownSeconds));
  write("Hibernacia", flag(options.hibernate));
  write("Vynutit", flag(options.forceExit));
}

}  // namespace dozorik
