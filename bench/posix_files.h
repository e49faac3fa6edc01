#pragma once

// Real files for the benchmark, through the same port the program uses.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/locale.h"

namespace dozorik::bench {

inline FileStamp stampOf(const struct stat& info) {
  const auto nanoseconds = static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 1'000'000'000u +
                           static_cast<std::uint64_t>(info.st_mtim.tv_nsec);
  return {static_cast<std::uint64_t>(info.st_size), nanoseconds,
          static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

// Unbuffered, as the program's own files are: each write goes straight to
// the system, with no library buffer to set up and flush.
class PosixFile : public OutputFile {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override { ::close(fd_); }
  void write(const void* data, std::size_t size) override {
    if (::write(fd_, data, size) != static_cast<ssize_t>(size)) throw Error("Stream write error");
  }
  std::optional<FileStamp> stamp() override {
    struct stat info {};
    if (fstat(fd_, &info) != 0) return std::nullopt;
    return stampOf(info);
  }

 private:
  int fd_;
};

class PosixFileSystem : public FileSystem {
 public:
  bool setCurrentDirectory(const std::string& directory) override {
    return chdir(directory.c_str()) == 0;
  }
  std::unique_ptr<OutputFile> create(const std::string& name) override {
    return open(name, O_WRONLY | O_CREAT | O_TRUNC);
  }
  std::unique_ptr<OutputFile> append(const std::string& name) override {
    return open(name, O_WRONLY | O_APPEND);
  }
  std::optional<FileStamp> stamp(const std::string& name) override {
    struct stat info {};
    if (stat(name.c_str(), &info) != 0) return std::nullopt;
    return stampOf(info);
  }
  std::optional<std::string> read(const std::string& name, std::size_t maxBytes) override {
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string data(maxBytes, '\0');
    data.resize(std::fread(data.data(), 1, maxBytes, file));
    std::fclose(file);
    return data;
  }
  bool remove(const std::string& name) override { return std::remove(name.c_str()) == 0; }
  bool canCreateIn(const std::string&) override { return true; }
  bool createFolder(const std::string&) override { return true; }
  std::optional<std::string> localAppData() override { return std::nullopt; }

 private:
  static std::unique_ptr<OutputFile> open(const std::string& name, int flags) {
    const int fd = ::open(name.c_str(), flags, 0644);
    if (fd < 0) throw Error("Cannot create file \"" + name + "\".");
    return std::make_unique<PosixFile>(fd);
  }
};

class PlainLocale : public Locale {
 public:
  TimeFormat timeFormat() override { return {}; }
  std::string decimalSeparator() override { return "."; }
  std::string toAnsi(const std::string& utf8) override { return utf8; }
};

}  // namespace dozorik::bench
