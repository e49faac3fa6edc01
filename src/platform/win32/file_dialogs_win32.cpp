#include "platform/win32/file_dialogs_win32.h"

#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

// Room for the longest path Windows hands out.
constexpr std::size_t kPathChars = 32768;

// "Bitmaps|*.bmp|All|*.*" becomes "Bitmaps\0*.bmp\0All\0*.*\0\0", the form
// the dialog wants. Empty means no filter at all.
std::wstring dialogFilter(const std::string& filter) {
  std::wstring out = widen(filter);
  if (out.empty()) return out;
  std::replace(out.begin(), out.end(), L'|', L'\0');
  out.push_back(L'\0');  // the string's own terminator makes the second NUL
  return out;
}

}  // namespace

std::optional<std::string> Win32FileDialogs::openFile(const FileDialogRequest& request) {
  const std::wstring title = widen(request.title);
  const std::wstring filter = dialogFilter(request.filter);

  // The dialog starts in the directory of the current choice, with its name
  // in the name box; a starting directory the caller names wins over it.
  const std::wstring current = widen(request.fileName);
  const std::size_t split = current.find_last_of(L"\\/:");
  std::wstring directory;
  std::wstring name = current;
  if (split != std::wstring::npos) {
    directory = current.substr(0, split + 1);
    name = current.substr(split + 1);
  }
  if (!request.initialDirectory.empty()) directory = widen(request.initialDirectory);

  std::vector<wchar_t> file(kPathChars, L'\0');
  auto show = [&](const std::wstring& initialName) {
    std::fill(file.begin(), file.end(), L'\0');
    std::copy_n(initialName.begin(), std::min(initialName.size(), file.size() - 1), file.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = static_cast<HWND>(owner_);
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    // No check that the file exists: the file to launch may be one that the
    // job being watched has yet to write.
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;
    return GetOpenFileNameW(&dialog) != FALSE;
  };

  bool chosen = show(name);
  // A stored name the dialog rejects (bad characters) would keep it from
  // opening at all; open it empty instead.
  if (!chosen && !name.empty() && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
    chosen = show(std::wstring());
  }
  if (!chosen) return std::nullopt;
  return narrow(file.data());
}

}  // namespace dozorik::win32
