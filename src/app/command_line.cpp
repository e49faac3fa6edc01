#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "app/watch_options.h"
#include "ui/integer_text.h"

namespace dozorik {

namespace {

// As many characters as the window's boxes for them take.
constexpr std::size_t kMaxParameterLength = 40;
constexpr std::size_t kMaxProgramsLength = 1000;

using Store = bool (*)(Command& command, const std::string& value);

// One switch: its word, whether it takes a value, how the value is stored
// (false: not a value it knows), and what the value may be, for the box.
struct Switch {
  const char* word;
  bool takesValue;
  Store store;
  std::optional<Text> allowed;
};

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Characters as an edit box counts them: UTF-16 units of the UTF-8 text.
std::size_t windowsLength(const std::string& utf8) {
  std::size_t units = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++units;  // the first byte of a character
    if ((c & 0xF8) == 0xF0) ++units;  // beyond 16 bits: a surrogate pair
  }
  return units;
}

std::optional<int> number(const std::string& text, int min, int max, int step = 1) {
  const std::optional<int> value = ui::integerFromText(text);
  if (!value || *value < min || *value > max || (*value - min) % step != 0) return std::nullopt;
  return value;
}

std::optional<EndAction> action(const std::string& word) {
  const std::pair<const char*, EndAction> actions[] = {{"spustit", EndAction::LaunchFile},
                                                       {"uspat", EndAction::Sleep},
                                                       {"vypnut", EndAction::ShutDown},
                                                       {"restart", EndAction::Restart},
                                                       {"beep", EndAction::Beep}};
  for (const auto& [name, which] : actions) {
    if (lower(word) == name) return which;
  }
  return std::nullopt;
}

template <typename T>
bool keep(std::optional<T>& into, std::optional<T> value) {
  into = value;
  return value.has_value();
}

const Switch kSwitches[] = {
    {"r", false,
     [](Command& c, const std::string&) {
       c.arm = true;
       return true;
     },
     std::nullopt},
    {"prah", true,
     [](Command& c, const std::string& v) {
       const auto percent = number(v, 10, 80, 10);
       return keep(c.thresholdPosition, percent ? std::optional(*percent / 10) : std::nullopt);
     },
     Text::ThresholdValues},
    {"akcia", true, [](Command& c, const std::string& v) { return keep(c.action, action(v)); },
     Text::ActionValues},
    {"subor", true, [](Command& c, const std::string& v) { return keep(c.file, std::optional(v)); },
     std::nullopt},
    {"parameter", true,
     [](Command& c, const std::string& v) {
       return windowsLength(v) <= kMaxParameterLength && keep(c.parameter, std::optional(v));
     },
     Text::ParameterValues},
    {"tikov", true,
     [](Command& c, const std::string& v) {
       return keep(c.quietTicks,
                   number(v, WatchOptions::kMinQuietTicks, WatchOptions::kMaxQuietTicks));
     },
     Text::QuietTicksValues},
    {"odpocet", true,
     [](Command& c, const std::string& v) {
       return keep(c.countdownSeconds, number(v, 0, WatchOptions::kMaxCountdownSeconds));
     },
     Text::CountdownValues},
    {"program", true,
     [](Command& c, const std::string& v) {
       return windowsLength(v) <= kMaxProgramsLength && keep(c.programs, std::optional(v));
     },
     Text::ProgramValues},
    {"zrus", false,
     [](Command& c, const std::string&) {
       c.stop = true;
       return true;
     },
     std::nullopt},
};

const Switch* switchOf(const std::string& arg) {
  if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) return nullptr;
  const std::string word = lower(arg.substr(1));
  for (const Switch& s : kSwitches) {
    if (word == s.word) return &s;
  }
  return nullptr;
}

bool isHelp(const std::string& arg) { return arg == "/?" || arg == "-?"; }

// The pieces of the program's own path, split at its blanks, that an
// unquoted run-once command puts before its switch.
bool beginsWithOwnPath(const std::vector<std::string>& args, const std::string& programPath) {
  std::string pieces;
  for (const std::string& arg : args) {
    pieces += (pieces.empty() ? "" : " ") + arg;
    if (pieces.size() >= programPath.size()) return false;
    const std::size_t start = programPath.size() - pieces.size();
    if (programPath[start - 1] == ' ' && lower(programPath.substr(start)) == lower(pieces)) {
      return true;
    }
  }
  return false;
}

bool isSlash(char c) { return c == '\\' || c == '/'; }

// The drive ("C:") or share ("\\server\share") a folder lies on.
std::string rootOf(const std::string& folder) {
  if (folder.size() >= 2 && folder[1] == ':') return folder.substr(0, 2);
  if (folder.size() >= 2 && isSlash(folder[0]) && isSlash(folder[1])) {
    std::size_t slashes = 0;
    for (std::size_t i = 0; i < folder.size(); ++i) {
      if (isSlash(folder[i]) && ++slashes == 4) return folder.substr(0, i);
    }
    return folder;
  }
  return {};
}

// A relative path as the start's own current folder would have read it. A
// drive without a backslash ("D:koniec.cmd") stays as it is: that folder is
// the drive's own.
std::string fullPath(const std::string& folder, const std::string& path) {
  if (path.empty() || folder.empty()) return path;
  if (path.size() >= 2 && path[1] == ':') return path;
  if (isSlash(path[0])) return path.size() >= 2 && isSlash(path[1]) ? path : rootOf(folder) + path;
  return folder + (isSlash(folder.back()) ? "" : "\\") + path;
}

}  // namespace

bool Command::empty() const { return *this == Command{}; }

bool Command::onlyStop() const {
  Command stopping;
  stopping.stop = true;
  return *this == stopping;
}

bool Command::operator==(const Command& other) const {
  return thresholdPosition == other.thresholdPosition && action == other.action &&
         file == other.file && parameter == other.parameter && quietTicks == other.quietTicks &&
         countdownSeconds == other.countdownSeconds && programs == other.programs &&
         stop == other.stop && arm == other.arm && help == other.help;
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args,
                                   const std::string& startFolder, const std::string& programPath,
                                   const Texts& texts) {
  ParsedCommandLine parsed;
  // Asked for the usage: nothing else is looked at.
  if (std::any_of(args.begin(), args.end(), isHelp)) {
    parsed.command.help = true;
    return parsed;
  }
  if (beginsWithOwnPath(args, programPath)) return parsed;

  std::vector<const Switch*> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const Switch* s = switchOf(arg);
    if (!s) {
      parsed.error = texts.format(Text::UnknownSwitch, {arg});
    } else if (std::find(given.begin(), given.end(), s) != given.end()) {
      parsed.error = texts.format(Text::SwitchTwice, {arg});
    } else if (s->takesValue && i + 1 == args.size()) {
      parsed.error = texts.format(Text::SwitchWithoutValue, {arg});
    } else {
      const std::string value = s->takesValue ? args[++i] : std::string();
      if (!s->store(parsed.command, value)) {
        parsed.error = texts.format(Text::SwitchBadValue,
                                    {arg, value, s->allowed ? texts[*s->allowed] : ""});
      }
    }
    if (!parsed.ok()) {
      parsed.command = {};
      return parsed;
    }
    given.push_back(s);
  }
  if (parsed.command.file) parsed.command.file = fullPath(startFolder, *parsed.command.file);
  return parsed;
}

std::string commandLineUsage(const Texts& texts) { return texts[Text::Usage]; }

std::string commandLineErrorText(const std::string& error, const Texts& texts) {
  return error + "\n\n" + commandLineUsage(texts);
}

}  // namespace dozorik
