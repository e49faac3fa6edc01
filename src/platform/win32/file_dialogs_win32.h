#pragma once

#include <optional>
#include <string>

#include "platform/file_dialogs.h"

namespace dozorik::win32 {

// The common "Open" dialog. The picture preview is not offered: pictures
// get the same dialog, filtered to bitmaps by the request.
class Win32FileDialogs : public FileDialogs {
 public:
  // The window the dialog belongs to (an HWND); none by default.
  void setOwner(void* window) { owner_ = window; }

  std::optional<std::string> openFile(const FileDialogRequest& request) override;

 private:
  void* owner_ = nullptr;
};

}  // namespace dozorik::win32
