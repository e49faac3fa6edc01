#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace dozorik {

// What tells one state of a file from another: its size, the time of its
// last write, and which file it is (a file deleted and made anew is another
// file). The time is in the platform's own units; what the platform can't
// tell stays 0.
struct FileStamp {
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;
  std::uint64_t volume = 0;
  std::uint64_t file = 0;

  bool operator==(const FileStamp& other) const {
    return size == other.size && lastWrite == other.lastWrite && volume == other.volume &&
           file == other.file;
  }
  bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// A file open for writing; closed when destroyed.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Throws Error("Stream write error") when not every byte was written.
  virtual void write(const void* data, std::size_t size) = 0;
  // The open file's stamp as it is now; nothing when the system can't tell.
  virtual std::optional<FileStamp> stamp() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool setCurrentDirectory(const std::string& directory) = 0;

  // Creates the file, or empties it when it exists. A name without a
  // directory lands in the current directory. Throws
  // Error("Cannot create file \"<full path>\". <reason>") when it can't.
  virtual std::unique_ptr<OutputFile> create(const std::string& name) = 0;

  // Opens an existing file to add to its end; the same error as create()
  // when it can't.
  virtual std::unique_ptr<OutputFile> append(const std::string& name) = 0;

  // The stamp of a file; nothing when there is no such file.
  virtual std::optional<FileStamp> stamp(const std::string& name) = 0;

  // Up to `maxBytes` from the start of a file; nothing when it can't be
  // opened or read.
  virtual std::optional<std::string> read(const std::string& name, std::size_t maxBytes) = 0;

  // Deletes a file; false when it could not.
  virtual bool remove(const std::string& name) = 0;

  // Whether a new file can be made in the folder (one of a name of its own
  // is made and removed again): a folder under Program Files, or one that
  // Controlled Folder Access guards, refuses.
  virtual bool canCreateIn(const std::string& folder) = 0;
  // Makes the folder where it is missing; false when it can't.
  virtual bool createFolder(const std::string& folder) = 0;
  // The user's own folder for programs' data (%LOCALAPPDATA%), ending in a
  // backslash; nothing where Windows has none.
  virtual std::optional<std::string> localAppData() = 0;
};

}  // namespace dozorik
