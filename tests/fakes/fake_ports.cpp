#include "fakes/fake_ports.h"

namespace dozorik::fakes {

std::optional<std::string> FakeRegistry::readString(const std::string& key,
                                                    const std::string& name) {
  if (lockedKeys.count(lower(key))) return std::nullopt;
  keys_.insert(lower(key));
  return value(key, name).value_or("");
}

bool FakeRegistry::writeString(const std::string& key, const std::string& name,
                               const std::string& value) {
  writes.push_back(name);
  if (failWrites || lockedKeys.count(lower(key))) return false;
  keys_.insert(lower(key));
  values_[lower(key + "\\" + name)] = value;
  return true;
}

std::optional<std::string> FakeRegistry::value(const std::string& key,
                                               const std::string& name) const {
  auto it = values_.find(lower(key + "\\" + name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string FakeLocale::toAnsi(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if ((c & 0xC0) != 0x80) {
      out += '?';  // the lead byte of a character the code page lacks
    }
  }
  return out;
}

bool FakeFileSystem::setCurrentDirectory(const std::string& directory) {
  directoryChanges.push_back(directory);
  currentDirectory = directory;
  if (!currentDirectory.empty() && currentDirectory.back() != '\\') currentDirectory += '\\';
  return true;
}

std::string FakeFileSystem::fullPath(const std::string& name) const {
  if (name.find('\\') != std::string::npos || name.find(':') != std::string::npos) return name;
  return currentDirectory + name;
}

const std::string* FakeFileSystem::content(const std::string& fullName) const {
  auto it = files.find(fullName);
  return it == files.end() ? nullptr : &it->second;
}

namespace {

class FakeOutputFile : public OutputFile {
 public:
  FakeOutputFile(std::string& content, std::optional<std::size_t> limit)
      : content_(content), limit_(limit) {}
  void write(const void* data, std::size_t size) override {
    std::size_t take = size;
    if (limit_) take = std::min(size, *limit_ > written_ ? *limit_ - written_ : 0);
    content_.append(static_cast<const char*>(data), take);
    written_ += take;
    if (take < size) throw Error("Stream write error");
  }

 private:
  std::string& content_;
  std::optional<std::size_t> limit_;
  std::size_t written_ = 0;
};

}  // namespace

std::unique_ptr<OutputFile> FakeFileSystem::create(const std::string& name) {
  const std::string path = fullPath(name);
  const std::string directory = path.substr(0, path.rfind('\\') + 1);
  if (readOnlyDirectories.count(directory)) {
    throw Error("Cannot create file \"" + path + "\". Access is denied");
  }
  ++creates;
  std::string& content = files[path];
  content.clear();
  return std::make_unique<FakeOutputFile>(content, writeLimit);
}

std::unique_ptr<OutputFile> FakeFileSystem::append(const std::string& name) {
  const std::string path = fullPath(name);
  const std::string directory = path.substr(0, path.rfind('\\') + 1);
  auto it = files.find(path);
  if (it == files.end() || readOnlyDirectories.count(directory)) {
    throw Error("Cannot create file \"" + path + "\". Access is denied");
  }
  ++appends;
  return std::make_unique<FakeOutputFile>(it->second, writeLimit);
}

std::optional<std::uint64_t> FakeFileSystem::size(const std::string& name) {
  auto it = files.find(fullPath(name));
  if (it == files.end()) return std::nullopt;
  return it->second.size();
}

MessageAnswer FakeMessageBoxes::show(const std::string& text, const std::string& caption,
                                     MessageIcon icon, MessageButtons buttons) {
  shown.push_back({text, caption, icon, buttons});
  if (whileOpen) {
    auto run = std::move(whileOpen);
    run();
  }
  return answer;
}

void FakePump::processMessages() {
  ++calls;
  auto batch = std::move(pending);
  pending.clear();
  for (auto& message : batch) message();
}

ScreenPicture FakeScreen::capturePrimaryDisplay() {
  ++captures;
  ScreenPicture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.insert(picture.pixels.end(), {static_cast<std::uint8_t>(x),
                                                   static_cast<std::uint8_t>(y), 0xFF});
    }
  }
  return picture;
}

bool FakePowerAndToken::suspend(bool force) {
  journal.push_back(force ? "suspend forced" : "suspend");
  return true;
}

bool FakePowerAndToken::exitWindows(std::uint32_t flags) {
  journal.push_back("exit " + std::to_string(flags));
  return exitAccepted;
}

void FakePowerAndToken::beep(int frequency, int milliseconds) {
  journal.push_back("beep " + std::to_string(frequency) + "/" + std::to_string(milliseconds));
}

std::optional<ProcessToken::Handle> FakePowerAndToken::open(std::uint32_t access) {
  journal.push_back("open token " + std::to_string(access));
  if (!tokenOpens) return std::nullopt;
  return Handle{7};
}

std::optional<std::uint64_t> FakePowerAndToken::lookupPrivilege(const std::string& name) {
  journal.push_back("lookup " + name);
  if (!privilegeKnown) return std::nullopt;
  return 19;
}

bool FakePowerAndToken::adjustPrivilege(Handle, std::uint64_t, std::uint32_t attributes) {
  journal.push_back(attributes ? "privilege on" : "privilege off");
  return adjustWorks;
}

void FakePowerAndToken::close(Handle) { journal.push_back("close token"); }

}  // namespace dozorik::fakes
