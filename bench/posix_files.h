#pragma once

// Real files for the benchmark, through the same port the program uses.

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

class PosixFile : public OutputFile {
 public:
  explicit PosixFile(std::FILE* file) : file_(file) {}
  ~PosixFile() override { std::fclose(file_); }
  void write(const void* data, std::size_t size) override {
    if (std::fwrite(data, 1, size, file_) != size) throw Error("Stream write error");
  }

 private:
  std::FILE* file_;
};

class PosixFileSystem : public FileSystem {
 public:
  bool setCurrentDirectory(const std::string& directory) override {
    return chdir(directory.c_str()) == 0;
  }
  std::unique_ptr<OutputFile> create(const std::string& name) override { return open(name, "wb"); }
  std::unique_ptr<OutputFile> append(const std::string& name) override { return open(name, "ab"); }
  std::optional<std::uint64_t> size(const std::string& name) override {
    struct stat info {};
    if (stat(name.c_str(), &info) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
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

 private:
  static std::unique_ptr<OutputFile> open(const std::string& name, const char* mode) {
    std::FILE* file = std::fopen(name.c_str(), mode);
    if (!file) throw Error("Cannot create file \"" + name + "\".");
    return std::make_unique<PosixFile>(file);
  }
};

class PlainLocale : public Locale {
 public:
  TimeFormat timeFormat() override { return {}; }
  std::string decimalSeparator() override { return "."; }
  std::string toAnsi(const std::string& utf8) override { return utf8; }
};

}  // namespace dozorik::bench
