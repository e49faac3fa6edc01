#pragma once

// What the Wine tests share: a scratch folder and reads past the adapters.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fakes/fake_ports.h"
#include "platform/win32/wide.h"
#include "support/outside.h"

namespace dozorik {

using namespace support;

inline std::string contents(const std::string& path) { return fileBytes(win32::widen(path)); }
inline std::string textOf(void* window) {
  return win32::narrow(windowText(static_cast<HWND>(window)));
}

// A fresh folder under the temp folder, removed with all it holds.
struct TempDir {
  explicit TempDir(const std::string& name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path = win32::narrow(temp) + name + " " + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(win32::widen(path).c_str(), nullptr);
  }
  ~TempDir() {
    SetCurrentDirectoryW(L"C:\\");
    std::error_code busy;  // a program the test started may hold a file a moment longer
    for (int i = 0; i < 50; ++i, Sleep(100)) {
      if (std::filesystem::remove_all(win32::widen(path), busy) != std::uintmax_t(-1)) break;
    }
  }
  std::string at(const std::string& name) const { return path + "\\" + name; }
  std::string path;
};

}  // namespace dozorik
