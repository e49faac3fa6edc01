#pragma once

#include <optional>
#include <string>

namespace dozorik {

struct FileDialogRequest {
  std::string title;
  std::string filter;  // "Description|*.a;*.b|..."
  std::string fileName;
  std::string initialDirectory;
  bool picturePreview = false;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Lets the user choose a file, or name one that does not exist yet;
  // nothing when cancelled.
  virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
};

}  // namespace dozorik
