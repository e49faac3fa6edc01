// Where the records go (the text log, the spreadsheet, the screenshots and
// the downloaded version file): beside the program, unless its folder
// refuses new files. A folder under Program Files does, now that Windows no
// longer hides a program's writes there in a per-user VirtualStore, and so
// does one that Controlled Folder Access guards. Then they go to the user's
// own %LOCALAPPDATA%\Dozorik, where Explorer and the viewers find them.

#include "app/usage.h"

namespace dozorik {

namespace {
constexpr const char* kPerUserFolder = "Dozorik\\";
}  // namespace

std::string TUsage::recordsFolder() {
  if (!recordsFolder_) {
    recordsFolder_ = GetAppPath();
    if (!ports_.files.canCreateIn(*recordsFolder_)) {
      if (auto local = ports_.files.localAppData()) recordsFolder_ = *local + kPerUserFolder;
    }
  }
  return *recordsFolder_;
}

// The per-user folder is made when a record first needs it, and the status
// bar says once where the records are.
std::string TUsage::recordPath(const std::string& name) {
  const std::string folder = recordsFolder();
  if (folder != GetAppPath() && !recordsFolderMade_) {
    recordsFolderMade_ = ports_.files.createFolder(folder);
    StatusBar1.setPanelText(1, texts_[Text::RecordsElsewhere]);
  }
  return folder + name;
}

}  // namespace dozorik
