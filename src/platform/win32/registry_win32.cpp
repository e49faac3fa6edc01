#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

// Opens the key with full access, creating it when it doesn't exist: even
// a read of a fresh installation leaves the empty key behind.
UniqueKey openKey(const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, widen(path).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return UniqueKey();
  }
  return UniqueKey(key);
}

// Another program may change the value between asking for its size and
// reading it; a few retries cover that without looping forever.
constexpr int kReadAttempts = 4;

}  // namespace

std::optional<std::string> Win32Registry::readString(const std::string& key,
                                                     const std::string& name) {
  UniqueKey open = openKey(key);
  if (!open) return std::nullopt;
  // From here on, whatever can't be read as a string reads as empty.
  const std::wstring valueName = widen(name);

  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(open.get(), valueName.c_str(), nullptr, &type, nullptr, &bytes) !=
      ERROR_SUCCESS) {
    return std::string();
  }
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    if (type != REG_SZ) return std::string();
    // Round an odd byte count up and keep one spare character, so the text
    // is terminated even when it was stored without its NUL.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 2, L'\0');
    DWORD size = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    LONG status = RegQueryValueExW(open.get(), valueName.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (status == ERROR_MORE_DATA) {
      bytes = size;
      continue;
    }
    if (status != ERROR_SUCCESS || type != REG_SZ) return std::string();
    // The text ends at its first NUL or where the data ends; a stray odd
    // byte at the end is not a character.
    std::size_t length = 0;
    const std::size_t chars = size / sizeof(wchar_t);
    while (length < chars && buffer[length] != L'\0') ++length;
    return narrow(std::wstring(buffer.data(), length));
  }
  return std::string();
}

bool Win32Registry::writeString(const std::string& key, const std::string& name,
                                const std::string& value) {
  UniqueKey open = openKey(key);
  if (!open) return false;
  const std::wstring text = widen(value);
  // REG_SZ data includes its terminating NUL.
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(open.get(), widen(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace dozorik::win32
