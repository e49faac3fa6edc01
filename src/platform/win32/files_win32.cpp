#include "platform/win32/files_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/error.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_message_win32.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

std::optional<FileStamp> stampOf(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file, &info)) return std::nullopt;
  auto join = [](DWORD high, DWORD low) { return std::uint64_t{high} << 32 | low; };
  return FileStamp{join(info.nFileSizeHigh, info.nFileSizeLow),
                   join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime),
                   info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow)};
}

class Win32OutputFile : public OutputFile {
 public:
  explicit Win32OutputFile(UniqueFile file) : file_(std::move(file)) {}

  void write(const void* data, std::size_t size) override {
    // WriteFile takes a 32-bit count; larger blocks go in pieces.
    constexpr std::size_t kChunk = 1u << 30;
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
      const auto chunk = static_cast<DWORD>(std::min(size, kChunk));
      DWORD written = 0;
      if (!WriteFile(file_.get(), bytes, chunk, &written, nullptr) || written != chunk) {
        throw Error("Stream write error");
      }
      bytes += chunk;
      size -= chunk;
    }
  }

  std::optional<FileStamp> stamp() override { return stampOf(file_.get()); }

 private:
  UniqueFile file_;
};

// The name made absolute against the current directory, as the user should
// see it in an error message.
std::wstring fullPath(const std::wstring& name) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetFullPathNameW(name.c_str(), static_cast<DWORD>(path.size()), path.data(),
                                    nullptr);
    if (length == 0) return name;
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);  // too small: length is the size needed, NUL included
  }
}

// Others may read the file while it is open (a viewer showing the log), but
// not write it.
std::unique_ptr<OutputFile> openFile(const std::string& name, DWORD access, DWORD disposition) {
  const std::wstring wideName = widen(name);
  UniqueFile file(CreateFileW(wideName.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD code = GetLastError();
    throw Error("Cannot create file \"" + narrow(fullPath(wideName)) + "\". " +
                systemMessage(code));
  }
  return std::make_unique<Win32OutputFile>(std::move(file));
}

}  // namespace

bool Win32FileSystem::setCurrentDirectory(const std::string& directory) {
  return SetCurrentDirectoryW(widen(directory).c_str()) != FALSE;
}

std::unique_ptr<OutputFile> Win32FileSystem::create(const std::string& name) {
  return openFile(name, GENERIC_WRITE, CREATE_ALWAYS);
}

std::unique_ptr<OutputFile> Win32FileSystem::append(const std::string& name) {
  // Append-only access makes the system put every write at the current end
  // of the file, with no seek of our own.
  return openFile(name, FILE_APPEND_DATA, OPEN_EXISTING);
}

std::optional<FileStamp> Win32FileSystem::stamp(const std::string& name) {
  // Opened for its attributes only, past whoever else has it open; a folder
  // does not open this way, and is no file.
  UniqueFile file(CreateFileW(widen(name).c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  return stampOf(file.get());
}

std::optional<std::string> Win32FileSystem::read(const std::string& name, std::size_t maxBytes) {
  // Whoever else has the file open, even for writing, does not stop a read.
  UniqueFile file(CreateFileW(widen(name).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string data;
  char buffer[4096];
  while (data.size() < maxBytes) {
    const auto want = static_cast<DWORD>(std::min(maxBytes - data.size(), sizeof buffer));
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, want, &got, nullptr)) return std::nullopt;
    if (got == 0) break;  // the end of the file
    data.append(buffer, got);
  }
  return data;
}

bool Win32FileSystem::remove(const std::string& name) {
  return DeleteFileW(widen(name).c_str()) != FALSE;
}

bool Win32FileSystem::canCreateIn(const std::string& folder) {
  // A file of a name of its own, gone again as it is closed. Not
  // GetTempFileName: Wine's answers success where it could create nothing.
  const std::wstring base = widen(folder) + L"dozorik-" + std::to_wstring(GetCurrentProcessId());
  for (unsigned attempt = 0; attempt < 16; ++attempt) {
    const std::wstring probe = base + L"-" + std::to_wstring(GetTickCount() + attempt) + L".tmp";
    UniqueFile file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (file) return true;
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

bool Win32FileSystem::createFolder(const std::string& folder) {
  return CreateDirectoryW(widen(folder).c_str(), nullptr) ||
         GetLastError() == ERROR_ALREADY_EXISTS;
}

std::optional<std::string> Win32FileSystem::localAppData() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return std::nullopt;
  }
  std::string path = narrow(folder);
  if (path.empty()) return std::nullopt;
  if (path.back() != '\\') path += '\\';
  return path;
}

}  // namespace dozorik::win32
