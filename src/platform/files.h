#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace dozorik {

// A file open for writing; closed when destroyed.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Throws Error("Stream write error") when not every byte was written.
  virtual void write(const void* data, std::size_t size) = 0;
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

  // The size of a file in bytes; nothing when there is no such file.
  virtual std::optional<std::uint64_t> size(const std::string& name) = 0;

  // Up to `maxBytes` from the start of a file; nothing when it can't be
  // opened or read.
  virtual std::optional<std::string> read(const std::string& name, std::size_t maxBytes) = 0;

  // Deletes a file; false when it could not.
  virtual bool remove(const std::string& name) = 0;
};

}  // namespace dozorik
