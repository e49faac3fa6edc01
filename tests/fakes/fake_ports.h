#pragma once

// In-memory stand-ins for the platform services, so the window's logic runs
// without Windows. Each records what the program asked of it.

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/ports.h"

namespace dozorik::fakes {

inline std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// Keys and names match in any letter case, as in the real registry.
class FakeRegistry : public Registry {
 public:
  std::optional<std::string> readString(const std::string& key, const std::string& name) override;
  bool writeString(const std::string& key, const std::string& name,
                   const std::string& value) override;

  bool hasKey(const std::string& key) const { return keys_.count(lower(key)) > 0; }
  std::optional<std::string> value(const std::string& key, const std::string& name) const;
  // Every write fails while set; the stored values stay as they were.
  bool failWrites = false;
  // Keys that can't be opened at all, in lower case.
  std::set<std::string> lockedKeys;
  std::vector<std::string> writes;  // names, in order

 private:
  std::set<std::string> keys_;
  std::map<std::string, std::string> values_;  // "key\\name" in lower case
};

class FakeClock : public Clock {
 public:
  LocalTime time{2027, 1, 3, 9, 5, 7, 0};
  LocalTime now() override { return time; }
};

class FakeLocale : public Locale {
 public:
  TimeFormat format;
  std::string decimal = ",";
  TimeFormat timeFormat() override { return format; }
  std::string decimalSeparator() override { return decimal; }
  // The test code page keeps ASCII and turns everything else into '?'.
  std::string toAnsi(const std::string& utf8) override;
};

// Files in memory, under full paths built from the current directory.
class FakeFileSystem : public FileSystem {
 public:
  std::string currentDirectory = "C:\\Dozorik\\";
  std::map<std::string, std::string> files;  // full path -> content
  std::set<std::string> readOnlyDirectories;
  std::vector<std::string> directoryChanges;
  // Each write stores at most this many bytes, then reports a short write.
  std::optional<std::size_t> writeLimit;
  int creates = 0;

  int appends = 0;

  bool setCurrentDirectory(const std::string& directory) override;
  std::unique_ptr<OutputFile> create(const std::string& name) override;
  std::unique_ptr<OutputFile> append(const std::string& name) override;
  std::optional<std::uint64_t> size(const std::string& name) override;
  std::string fullPath(const std::string& name) const;
  const std::string* content(const std::string& fullName) const;
};

class FakeShell : public Shell {
 public:
  struct Opened {
    std::string file;
    std::string parameters;
    bool operator==(const Opened& other) const {
      return file == other.file && parameters == other.parameters;
    }
  };
  std::vector<Opened> opened;
  void open(const std::string& file, const std::string& parameters) override {
    opened.push_back({file, parameters});
  }
};

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
  MessageButtons buttons;
};

class FakeMessageBoxes : public MessageBoxes {
 public:
  std::vector<ShownMessage> shown;
  MessageAnswer answer = MessageAnswer::Ok;
  // Runs while the box is "open", as a real box's modal loop would run events.
  std::function<void()> whileOpen;
  MessageAnswer show(const std::string& text, const std::string& caption, MessageIcon icon,
                     MessageButtons buttons) override;
};

// Runs whatever the test queued as pending messages.
class FakePump : public MessagePump {
 public:
  std::vector<std::function<void()>> pending;
  int calls = 0;
  void processMessages() override;
};

class FakeProcess : public Process {
 public:
  std::string path = "C:\\Dozorik\\dozorik.exe";
  std::vector<std::string> args;
  std::string modulePath() override { return path; }
  std::vector<std::string> arguments() override { return args; }
};

class FakeFileDialogs : public FileDialogs {
 public:
  std::vector<FileDialogRequest> requests;
  std::optional<std::string> answer;
  std::optional<std::string> openFile(const FileDialogRequest& request) override {
    requests.push_back(request);
    return answer;
  }
};

// Records every power and token call in one journal, in order, so tests can
// check what came before what: "privilege on", "exit 9", "beep 100/10", ...
class FakePowerAndToken : public Power, public ProcessToken {
 public:
  std::vector<std::string> journal;
  bool exitAccepted = true;
  bool tokenOpens = true;
  bool privilegeKnown = true;
  bool adjustWorks = true;

  bool suspend(bool force) override;
  bool exitWindows(std::uint32_t flags) override;
  void beep(int frequency, int milliseconds) override;
  std::optional<Handle> open(std::uint32_t access) override;
  std::optional<std::uint64_t> lookupPrivilege(const std::string& name) override;
  bool adjustPrivilege(Handle token, std::uint64_t privilege, std::uint32_t attributes) override;
  void close(Handle token) override;
};

// Every character is 6 pixels wide, in any font.
class FakeTextMeasure : public TextMeasure {
 public:
  static constexpr int kCharWidth = 6;
  int width(const std::string& text, const std::string&, int, bool) override {
    return static_cast<int>(text.size()) * kCharWidth;
  }
};

// A screen of a few pixels whose colours tell their place.
class FakeScreen : public Screen {
 public:
  int width = 3;
  int height = 2;
  int captures = 0;
  ScreenPicture capturePrimaryDisplay() override;
};

struct FakePorts {
  FakeRegistry registry;
  FakeClock clock;
  FakeLocale locale;
  FakeFileSystem files;
  FakeShell shell;
  FakeMessageBoxes messages;
  FakePump pump;
  FakeProcess process;
  FakeFileDialogs dialogs;
  FakePowerAndToken power;
  FakeTextMeasure textMeasure;
  FakeScreen screen;
  Ports ports{registry, clock,   locale,  files, shell, messages,    pump,
              process,  dialogs, power,   power, textMeasure, screen};
};

}  // namespace dozorik::fakes
