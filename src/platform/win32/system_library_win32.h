#pragma once

// DLLs that not every Windows the program starts on has, or that the
// program may not import (scripts/test lists the DLLs it may), loaded when
// first needed, and their functions looked up by name.

#include <windows.h>

#include "platform/win32/handles.h"

namespace dozorik::win32 {

// Loads a DLL of the system folder by its file name ("pdh.dll"): never a
// file of that name beside the program or in the current folder. Empty when
// the system has none.
UniqueLibrary loadSystemLibrary(const wchar_t* name);

// An exported function, or null when the library or the export is missing.
template <typename Fn>
Fn entryPoint(HMODULE library, const char* name) {
  if (!library) return nullptr;
  // Through a generic function pointer: GetProcAddress's own type says
  // nothing of the export's real signature.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace dozorik::win32
