#pragma once

#include <windows.h>

#include <string>

namespace dozorik::win32 {

// The system's own sentence for an error code, in UTF-8, without the line
// break FormatMessage ends it with; a plain "System error N." where the
// system has no text for the code.
std::string systemMessage(DWORD code);

}  // namespace dozorik::win32
