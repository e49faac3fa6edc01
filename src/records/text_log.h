#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/locale.h"

namespace dozorik {

// The text log's file, kept an exact copy of every line of the run: each
// line ends in CR LF and is written in the system's single-byte code page.
//
// Rewriting the whole file at every record would cost more the longer the
// run (18,000 lines after an hour, five times a second), and that disk and
// processor load would disturb the very load being measured. So a new line
// is appended while the file is still as this run last left it: the same
// file, of the same size, last written when this run wrote it. On any doubt
// the whole list is written: the first record of the run, after a failed
// write, or when something else changed, replaced or removed the file.
class TextLogFile {
 public:
  TextLogFile(FileSystem& files, Locale& locale, std::string fileName)
      : files_(files), locale_(locale), fileName_(std::move(fileName)) {}

  // Brings the file in step with `lines`; throws the file errors of
  // FileSystem, after which the next call writes the whole list again.
  void save(const std::vector<std::string>& lines);
  // Moves the log to another file, written whole at the next save.
  void setFileName(const std::string& fileName) {
    if (fileName == fileName_) return;
    fileName_ = fileName;
    left_.reset();
  }

 private:
  bool appendLine(const std::string& line, std::size_t lineCount);
  void write(std::unique_ptr<OutputFile> file, const std::string& bytes, std::size_t lineCount);

  FileSystem& files_;
  Locale& locale_;
  std::string fileName_;
  std::optional<FileStamp> left_;  // how this run left the file; nothing: not known
  std::size_t linesInFile_ = 0;
};

// Writes the whole list as a new file: what the log file always holds.
void writeTextLog(FileSystem& files, Locale& locale, const std::string& fileName,
                  const std::vector<std::string>& lines);

}  // namespace dozorik
