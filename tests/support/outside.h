#pragma once

// What the Wine tests and the end-to-end driver read and write past the
// program: its registry values, its files, and windows that may belong to
// another process.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace dozorik::support {

// The program's settings and the user's run-once list, under
// HKEY_CURRENT_USER.
inline constexpr wchar_t kProgramKey[] = L"SOFTWARE\\RuvoSOFTWARE\\Dozorik";
inline constexpr wchar_t kRunOnceKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// A string value; nothing when there is none.
inline std::optional<std::wstring> registryValue(const wchar_t* key, const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size)) {
    return std::nullopt;
  }
  return value;
}

inline void setRegistryValue(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// Every setting of the program gone. The run-once key itself stays, as
// Windows always has it: a fresh Wine prefix lacks it, and the program would
// rightly report that it cannot read it.
inline void forgetEverySetting() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunOnceKey, L"Dozorik");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunOnceKey, L"AppDozorik");
  HKEY key = nullptr;
  if (!RegCreateKeyExW(HKEY_CURRENT_USER, kRunOnceKey, 0, nullptr, 0, KEY_READ, nullptr, &key,
                       nullptr)) {
    RegCloseKey(key);
  }
}

// A file's bytes; empty when it cannot be read.
inline std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A window's text. A window of a busy program may take its time to answer;
// one that does not answer within a minute has hung and reads as empty.
inline std::wstring windowText(HWND hwnd) {
  std::wstring text(4096, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, 60000, &copied);
  text.resize(copied);
  return text;
}

}  // namespace dozorik::support
