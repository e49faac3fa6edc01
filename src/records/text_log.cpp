#include "records/text_log.h"

#include "platform/error.h"

namespace dozorik {

namespace {

std::string encodeLines(Locale& locale, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += locale.toAnsi(line);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace

void writeTextLog(FileSystem& files, Locale& locale, const std::string& fileName,
                  const std::vector<std::string>& lines) {
  const std::string bytes = encodeLines(locale, lines);
  files.create(fileName)->write(bytes.data(), bytes.size());
}

void TextLogFile::save(const std::vector<std::string>& lines) {
  const bool oneNewLine = !lines.empty() && linesInFile_ + 1 == lines.size();
  if (left_ && oneNewLine && appendLine(lines.back(), lines.size())) return;
  left_.reset();
  write(files_.create(fileName_), encodeLines(locale_, lines), lines.size());
}

// Appends the line when the file is still as this run left it; false when
// it may not be, and the whole list has to be written instead.
bool TextLogFile::appendLine(const std::string& line, std::size_t lineCount) {
  const FileStamp expected = *left_;
  left_.reset();
  std::unique_ptr<OutputFile> file;
  try {
    file = files_.append(fileName_);
  } catch (const Error&) {
    return false;  // removed meanwhile, or not to be opened: written whole
  }
  // Checked on the very file the line goes into.
  if (file->stamp() != expected) return false;
  write(std::move(file), locale_.toAnsi(line) + "\r\n", lineCount);
  return true;
}

void TextLogFile::write(std::unique_ptr<OutputFile> file, const std::string& bytes,
                        std::size_t lineCount) {
  file->write(bytes.data(), bytes.size());
  file.reset();  // closed, so the system has stamped the last write
  left_ = files_.stamp(fileName_);
  linesInFile_ = lineCount;
}

}  // namespace dozorik
