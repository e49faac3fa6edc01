#pragma once

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/locale.h"

namespace dozorik {

// The text log's file: every line of the run, each ending in CR LF, in the
// system's single-byte code page. Throws the file errors of FileSystem.
void writeTextLog(FileSystem& files, Locale& locale, const std::string& fileName,
                  const std::vector<std::string>& lines);

}  // namespace dozorik
