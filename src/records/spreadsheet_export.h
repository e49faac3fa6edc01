#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/locale.h"
#include "ui/string_grid.h"

namespace dozorik {

// A bare BIFF worksheet stream: BOF, one LABEL record per cell, EOF.

// Appends one LABEL record: the cell's text as single-byte characters.
void XlsWriteCellLabel(OutputFile& stream, std::uint16_t column, std::uint16_t row,
                       const std::string& text);

// Writes every cell of the grid, column by column, as a new file. Rows from
// 65,536 on are left out: the 16-bit row field would wrap onto earlier rows.
// Throws the file errors of FileSystem; the file then has no EOF record.
void writeSpreadsheet(FileSystem& files, Locale& locale, const ui::StringGrid& grid,
                      const std::string& fileName);

}  // namespace dozorik
