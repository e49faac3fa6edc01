#pragma once

// In-memory stand-ins for the platform services, so the window's logic runs
// without Windows. Each records what the program asked of it.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/fake_http_client.h"
#include "fakes/fake_signals.h"
#include "platform/error.h"
#include "platform/ports.h"
#include "ui/form.h"
#include "ui/form_host.h"

namespace dozorik::fakes {

// Names match in any letter case, as in the real registry.
struct FakeRegistry : Registry {
  bool failWrites = false;          // every write fails; nothing changes
  std::vector<std::string> writes;  // the names written, in order

  std::optional<std::string> readString(const std::string& key, const std::string& name) override {
    return values_[lower(key + "\\" + name)];
  }
  // Every value written, by its key and name in lower case.
  const std::map<std::string, std::string>& values() const { return values_; }
  bool writeString(const std::string& key, const std::string& name,
                   const std::string& value) override {
    writes.push_back(name);
    if (failWrites) return false;
    values_[lower(key + "\\" + name)] = value;
    return true;
  }

 private:
  static std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  std::map<std::string, std::string> values_;
};

struct FakeClock : Clock {
  LocalTime time{2027, 1, 3, 9, 5, 7, 0};
  std::uint64_t ms = 1'000'000;  // the tests move it on
  LocalTime now() override { return time; }
  std::uint64_t milliseconds() override { return ms; }
};

// A Western European system: its code page (1252) has the letters of
// Latin-1, one byte each, and none of č, ť or ľ, which come out as '?' as
// the system's conversion writes them when it knows no look-alike.
struct FakeLocale : Locale {
  TimeFormat format;
  std::string decimal = ",";
  TimeFormat timeFormat() override { return format; }
  std::string decimalSeparator() override { return decimal; }
  std::string toAnsi(const std::string& utf8) override {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
      const auto lead = static_cast<unsigned char>(utf8[i]);
      const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
      unsigned code = length == 1 ? lead : lead & (0x3F >> (length - 1));
      for (int k = 1; k < length && i + k < utf8.size(); ++k) {
        code = code << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
      }
      out += code < 0x100 ? static_cast<char>(code) : '?';
      i += length;
    }
    return out;
  }
};

// A file's stamp: its size, and its content standing for the time of its
// last write, so that any change made behind the program's back shows.
inline FileStamp stampOf(const std::string& content) {
  return {content.size(), std::hash<std::string>()(content)};
}

struct FakeOutputFile : OutputFile {
  explicit FakeOutputFile(std::string& to) : content(to) {}
  void write(const void* data, std::size_t size) override {
    content.append(static_cast<const char*>(data), size);
  }
  std::optional<FileStamp> stamp() override { return stampOf(content); }
  std::string& content;
};

// Files in memory, under full paths built from the current directory. The
// per-user folder exists only once made; a folder that refuses takes no file.
struct FakeFileSystem : FileSystem {
  static constexpr const char* kLocalAppData = "C:\\Users\\Jana\\AppData\\Local\\";
  std::string currentDirectory = "C:\\Dozorik\\";
  std::map<std::string, std::string> files;       // full path -> content
  bool readOnly = false;                          // nothing can be created or appended to
  std::string refusingFolder;                     // a folder where no file can be made
  std::vector<std::string> madeFolders;
  int folderRefusals = 0;  // the next folders that can't be made
  int creates = 0, appends = 0;

  bool canCreateIn(const std::string& folder) override {
    return !readOnly && folder != refusingFolder;
  }
  bool createFolder(const std::string& folder) override {
    if (folderRefusals > 0) return --folderRefusals, false;
    madeFolders.push_back(folder);
    return true;
  }
  std::optional<std::string> localAppData() override { return kLocalAppData; }

  std::string fullPath(const std::string& name) const {
    return name.find_first_of("\\:") == std::string::npos ? currentDirectory + name : name;
  }
  bool setCurrentDirectory(const std::string& directory) override {
    currentDirectory = directory;
    return true;
  }
  std::unique_ptr<OutputFile> create(const std::string& name) override { return open(name, true); }
  std::unique_ptr<OutputFile> append(const std::string& name) override { return open(name, false); }
  std::optional<FileStamp> stamp(const std::string& name) override {
    if (auto content = read(name, std::string::npos)) return stampOf(*content);
    return std::nullopt;
  }
  std::optional<std::string> read(const std::string& name, std::size_t maxBytes) override {
    auto it = files.find(fullPath(name));
    return it == files.end() ? std::nullopt : std::optional(it->second.substr(0, maxBytes));
  }
  bool remove(const std::string& name) override { return files.erase(fullPath(name)) > 0; }

 private:
  std::unique_ptr<OutputFile> open(const std::string& name, bool create) {
    const std::string path = fullPath(name);
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    if (readOnly || folder == refusingFolder || !(create || files.count(path))) {
      throw Error("Cannot create file \"" + path + "\". Access is denied");
    }
    if (folder.rfind(kLocalAppData, 0) == 0 && folder != kLocalAppData &&
        std::find(madeFolders.begin(), madeFolders.end(), folder) == madeFolders.end()) {
      throw Error("Cannot create file \"" + path + "\". The system cannot find the path specified");
    }
    ++(create ? creates : appends);
    if (create) files[path].clear();
    return std::make_unique<FakeOutputFile>(files[path]);
  }
};

// Opens only files that exist, as the shell does.
struct FakeShell : Shell {
  explicit FakeShell(FakeFileSystem& on) : files(on) {}
  FakeFileSystem& files;
  std::vector<std::pair<std::string, std::string>> opened;  // file, parameters
  std::vector<std::string> browsed;
  std::optional<std::string> open(const std::string& file, const std::string& parameters) override {
    opened.push_back({file, parameters});
    if (files.read(file, 0)) return std::nullopt;
    return "The system cannot find the file specified.";
  }
  void browse(const std::string& url) override { browsed.push_back(url); }
};

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
  MessageButtons buttons;
};

// A box can only be answered with a button it shows: an OK box answers OK
// whatever the test scripted, and a Yes/No box (which has no close box and
// ignores Escape) only Yes or No.
struct FakeMessageBoxes : MessageBoxes {
  std::vector<ShownMessage> shown;
  MessageAnswer answer = MessageAnswer::Ok;
  // Runs while the box is "open", as a real box's modal loop would run events.
  std::function<void()> whileOpen;
  MessageAnswer show(const std::string& text, const std::string& caption, MessageIcon icon,
                     MessageButtons buttons) override {
    shown.push_back({text, caption, icon, buttons});
    if (auto run = std::exchange(whileOpen, nullptr)) run();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answer == MessageAnswer::Ok) {
      ADD_FAILURE() << "a Yes/No box can't be answered OK: " << text;
      return MessageAnswer::No;
    }
    return answer;
  }
};

// Runs whatever the test queued as pending messages.
struct FakePump : MessagePump {
  std::vector<std::function<void()>> pending;
  void processMessages() override {
    for (auto& message : std::exchange(pending, {})) message();
  }
};

struct FakeProcess : Process {
  std::string path = "C:\\Dozorik\\dozorik.exe";
  std::vector<std::string> args;
  std::string computer = "PC-KUCHYNA";
  std::string folder = "C:\\Skripty";
  std::string modulePath() override { return path; }
  std::vector<std::string> arguments() override { return args; }
  std::string computerName() override { return computer; }
  std::string startFolder() override { return folder; }
};

// The file dialog leaves the current directory where the user chose the
// file, as the real one does.
struct FakeFileDialogs : FileDialogs {
  explicit FakeFileDialogs(FakeFileSystem& moves) : files(moves) {}
  FakeFileSystem& files;
  std::vector<FileDialogRequest> requests;
  std::optional<std::string> answer;
  std::optional<std::string> openFile(const FileDialogRequest& request) override {
    requests.push_back(request);
    if (answer) files.currentDirectory = answer->substr(0, answer->find_last_of('\\') + 1);
    return answer;
  }
};

// Records every power and token call in one journal, in order, so tests can
// check what came before what: "privilege on", "exit 0x19", "beep 100/10", ...
// By default a machine with S3 sleep and hibernation that agrees to all.
struct FakePowerAndToken : Power, ProcessToken {
  std::vector<std::string> journal;
  bool tokenOpens = true;
  std::optional<Capabilities> machine = Capabilities{true, false, true};
  Refusal refusal;  // what the system answers every sleep and exit request
  std::uint32_t lastReason = 0;
  // Kept apart from the journal: what the system is asked to keep up, and
  // every change of whether it is.
  Awake level = Awake::No;
  bool awake = false;
  std::vector<bool> awakeChanges;
  bool keepAwake(Awake wanted) override {
    level = wanted;
    if (awake != (wanted != Awake::No)) awakeChanges.push_back(awake = wanted != Awake::No);
    return true;
  }

  std::optional<Capabilities> capabilities() override { return machine; }
  bool awakeAtLastRequest = false;  // whether a request to stay up was still held
  Refusal suspend(bool hibernate) override {
    log(hibernate ? "hibernate" : "suspend");
    awakeAtLastRequest = awake;
    return refusal;
  }
  Refusal exitWindows(std::uint32_t flags, std::uint32_t reason) override {
    awakeAtLastRequest = awake;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", flags);
    log(std::string("exit ") + hex);
    lastReason = reason;
    return refusal;
  }
  void displaysOff() override { log("displays off"); }
  bool beep(int frequency, int ms) override {
    return log("beep " + std::to_string(frequency) + "/", ms);
  }
  std::optional<Handle> open(std::uint32_t access) override {
    if (log("open token ", access) && tokenOpens) return 7;
    return std::nullopt;
  }
  std::optional<std::uint64_t> lookupPrivilege(const std::string& privilege) override {
    log("lookup " + privilege);
    return 19;
  }
  bool adjustPrivilege(Handle, std::uint64_t, std::uint32_t attributes) override {
    return log(attributes ? "privilege on" : "privilege off");
  }
  void close(Handle) override { log("close token"); }
  bool log(const std::string& entry, long number = -1) {
    journal.push_back(number < 0 ? entry : entry + std::to_string(number));
    return true;
  }
};

// Every character is 6 pixels wide, in any font.
struct FakeTextMeasure : TextMeasure {
  int width(const std::string& text, const std::string&, int, bool) override {
    return static_cast<int>(text.size()) * 6;
  }
};

// A display of 2 x 1 pixels, red and white, unless it refuses the copy as a
// locked workstation does.
struct FakeScreen : Screen {
  bool refuses = false;
  bool capturePrimaryDisplay(ScreenPicture& picture) override {
    picture = {2, 1, std::vector<std::uint8_t>(6, 0)};
    if (refuses) return false;
    picture.pixels = {0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    return true;
  }
};

// A modem line: records the calls, answers what the test sets, and keeps the
// notify windows' handlers so a test can deliver RAS notifications.
struct FakeRemoteAccess : RemoteAccess {
  std::vector<std::string> journal;  // "dial <number> to <window>", "hang up <connection>"
  std::uint32_t dialResult = 0, hangUpResult = 0;
  bool refusalGivesHandle = false;  // a refused dial still hands out a connection
  int statusCallsUntilGone = 3;  // after a hang-up, the status call that answers 6 first
  int sleeps = 0;
  std::map<Window, MessageHandler> windows;  // the notify windows alive, by handle

  bool registers = true;  // else the registration fails, answering 0
  std::uint32_t registerDialEventMessage() override { return registers ? 0xC100 : 0; }
  Window createNotifyWindow(MessageHandler handler) override {
    windows[++lastWindow] = std::move(handler);
    return lastWindow;
  }
  void destroyNotifyWindow(Window window) override { windows.erase(window); }
  std::uint32_t dial(const std::string& number, Window notifier, Connection& connection) override {
    journal.push_back("dial " + number + " to " + std::to_string(notifier));
    if (dialResult == 0 || refusalGivesHandle) connection = 0x5000 + notifier;
    return dialResult;
  }
  std::uint32_t hangUp(Connection connection) override {
    journal.push_back("hang up " + std::to_string(connection));
    statusCallsLeft = statusCallsUntilGone;
    return hangUpResult;
  }
  std::uint32_t connectStatus(Connection) override {
    return --statusCallsLeft <= 0 ? 6 : 0;  // ERROR_INVALID_HANDLE, as the system answers
  }
  std::optional<std::string> errorString(std::uint32_t code) override {
    return code == 798 ? std::nullopt : std::optional("RAS text " + std::to_string(code));
  }
  std::string systemMessage(std::uint32_t code) override {
    return "System text " + std::to_string(code) + ". \r\n";
  }
  void sleep(int) override { ++sleeps; }
  Window lastWindow = 99;
  int statusCallsLeft = 0;
};

struct FakeStringTable : StringTable {
  std::string load(int id) override { return id == 65280 ? "RAS Error code: %d.\n\"%s\"" : ""; }
};

// Downloads from a map of URLs to contents.
struct FakeDownloader : Downloader {
  explicit FakeDownloader(FakeFileSystem& to) : files(to) {}
  FakeFileSystem& files;
  std::map<std::string, std::string> published;
  bool raises = false;
  bool download(const std::string& url, const std::string& localFile) override {
    if (raises) throw Error("no download");
    if (!published.count(url)) return false;
    files.files[files.fullPath(localFile)] = published[url];
    return true;
  }
};

// The program's further windows: which are shown, and what a test does
// while a modal one is open. As on the screen, a modal window stays until
// something closes it: its own buttons, its close box or Escape (both ask
// the form first).
struct FakeFormHost : ui::FormHost {
  std::vector<ui::Form*> shown;
  std::function<void(ui::Form&)> whileModal;
  void show(ui::Form& form) override {
    if (!isShown(form)) shown.push_back(&form);
  }
  void showModal(ui::Form& form) override {
    show(form);
    if (whileModal && isShown(form)) whileModal(form);
    if (isShown(form)) {
      ADD_FAILURE() << form.name() << " was left open: its modal loop would never end";
      close(form);
    }
  }
  // The close box or Escape.
  void closeBox(ui::Form& form) {
    if (isShown(form) && form.closeQuery()) close(form);
  }
  void close(ui::Form& form) override {
    shown.erase(std::remove(shown.begin(), shown.end(), &form), shown.end());
  }
  bool isShown(const ui::Form& form) const override {
    return std::find(shown.begin(), shown.end(), &form) != shown.end();
  }
};

struct FakePorts {
  FakeRegistry registry;
  FakeClock clock;
  FakeLocale locale;
  FakeFileSystem files;
  FakeShell shell{files};
  FakeMessageBoxes messages;
  FakePump pump;
  FakeProcess process;
  FakeFileDialogs dialogs{files};
  FakePowerAndToken power;
  FakeTextMeasure textMeasure;
  FakeScreen screen;
  FakeRemoteAccess remoteAccess;
  FakeStringTable strings;
  FakeDownloader downloader{files};
  FakeCounterInstances gpuEngines, disks;
  FakeNetworkInterfaces network;
  FakeRunningProcesses processes;
  FakeHttpClient http;
  Ports ports{registry,     clock,   locale,     files,      shell,  messages, pump,
              process,      dialogs, power,      power,      textMeasure, screen,
              remoteAccess, strings, downloader, gpuEngines, disks,  network,  processes,
              http};
};

}  // namespace dozorik::fakes
