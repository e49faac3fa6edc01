#pragma once

#include <optional>
#include <string>

#include "platform/file_dialogs.h"

namespace dozorik::ui {

// A file-open dialog: its title and filter, and the file last chosen, which
// the program keeps as a setting.
class OpenDialog {
 public:
  OpenDialog(FileDialogs& dialogs, std::string title, std::string filter,
             bool picturePreview = false)
      : dialogs_(dialogs), title_(std::move(title)), filter_(std::move(filter)),
        picturePreview_(picturePreview) {}
  OpenDialog(const OpenDialog&) = delete;
  OpenDialog& operator=(const OpenDialog&) = delete;

  const std::string& title() const { return title_; }
  const std::string& filter() const { return filter_; }
  const std::string& fileName() const { return fileName_; }
  void setFileName(const std::string& fileName) { fileName_ = fileName; }
  void setInitialDirectory(const std::string& directory) { initialDirectory_ = directory; }

  // Shows the dialog; true when the user chose a file, which becomes the
  // file name.
  bool execute() {
    std::optional<std::string> chosen =
        dialogs_.openFile({title_, filter_, fileName_, initialDirectory_, picturePreview_});
    if (!chosen) return false;
    fileName_ = *chosen;
    return true;
  }

 private:
  FileDialogs& dialogs_;
  std::string title_;
  std::string filter_;
  bool picturePreview_;
  std::string fileName_;
  std::string initialDirectory_;
};

}  // namespace dozorik::ui
