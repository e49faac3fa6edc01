#include "records/text_log.h"

namespace dozorik {

void writeTextLog(FileSystem& files, Locale& locale, const std::string& fileName,
                  const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += locale.toAnsi(line);
    bytes += "\r\n";
  }
  auto file = files.create(fileName);
  file->write(bytes.data(), bytes.size());
}

}  // namespace dozorik
