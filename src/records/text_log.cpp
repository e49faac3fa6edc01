#include "records/text_log.h"

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

std::string TextLogFile::encode(const std::string& line) { return locale_.toAnsi(line) + "\r\n"; }

void TextLogFile::save(const std::vector<std::string>& lines) {
  const bool oneNewLine = !lines.empty() && linesInFile_ + 1 == lines.size();
  if (sizeLeft_ && oneNewLine && files_.size(fileName_) == sizeLeft_) {
    const std::string bytes = encode(lines.back());
    const std::uint64_t sizeBefore = *sizeLeft_;
    sizeLeft_.reset();
    write(files_.append(fileName_), bytes, sizeBefore + bytes.size(), lines.size());
    return;
  }
  sizeLeft_.reset();
  const std::string bytes = encodeLines(locale_, lines);
  write(files_.create(fileName_), bytes, bytes.size(), lines.size());
}

void TextLogFile::write(std::unique_ptr<OutputFile> file, const std::string& bytes,
                        std::uint64_t sizeAfter, std::size_t lineCount) {
  file->write(bytes.data(), bytes.size());
  file.reset();
  sizeLeft_ = sizeAfter;
  linesInFile_ = lineCount;
}

}  // namespace dozorik
