#include "records/spreadsheet_export.h"

#include <algorithm>

namespace dozorik {

namespace {

constexpr int kMaxRows = 65536;
constexpr std::uint8_t kBof[] = {0x09, 0x08, 0x08, 0x00, 0x00, 0x00,
                                 0x10, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr std::uint8_t kEof[] = {0x0A, 0x00, 0x00, 0x00};

void put16(std::uint8_t* at, std::uint16_t value) {
  at[0] = static_cast<std::uint8_t>(value & 0xFF);
  at[1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace

void XlsWriteCellLabel(OutputFile& stream, std::uint16_t column, std::uint16_t row,
                       const std::string& text) {
  // A label's text always fits: the log's cells hold a time or a number.
  const auto length = static_cast<std::uint16_t>(std::min<std::size_t>(text.size(), 65527));
  std::uint8_t header[12];
  put16(header, 0x0204);
  put16(header + 2, static_cast<std::uint16_t>(8 + length));
  put16(header + 4, row);
  put16(header + 6, column);
  put16(header + 8, 0);
  put16(header + 10, length);
  stream.write(header, sizeof header);
  if (length > 0) stream.write(text.data(), length);
}

void writeSpreadsheet(FileSystem& files, Locale& locale, const ui::StringGrid& grid,
                      const std::string& fileName) {
  auto stream = files.create(fileName);
  stream->write(kBof, sizeof kBof);
  const int rows = std::min(grid.rowCount(), kMaxRows);
  for (int column = 0; column < grid.colCount(); ++column) {
    for (int row = 0; row < rows; ++row) {
      XlsWriteCellLabel(*stream, static_cast<std::uint16_t>(column),
                        static_cast<std::uint16_t>(row), locale.toAnsi(grid.cell(column, row)));
    }
  }
  stream->write(kEof, sizeof kEof);
}

}  // namespace dozorik
