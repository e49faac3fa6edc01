// The window's records beyond the text log: the picture of the screen at
// the end of a watch, the spreadsheet of the grid log, and the two viewers.

#include "app/usage.h"
#include "records/screen_capture.h"
#include "records/spreadsheet_export.h"

namespace dozorik {

void TUsage::Screenshot() {
  // Locked or behind a secure desktop, the screen can't be copied: the
  // picture is black then, and the end of the watch goes on, which is the
  // very case of an unattended machine.
  ScreenPicture picture;
  ports_.screen.capturePrimaryDisplay(picture);
  ports_.files.setCurrentDirectory(GetAppPath());
  // One reading of the clock: pieces read apart could straddle midnight.
  const std::string name = screenshotName(ports_.clock.now());
  const std::string bytes = encodeBmp(picture);
  ports_.files.create(recordPath(name))->write(bytes.data(), bytes.size());
}

bool TUsage::SaveAsExcelFile2(const ui::StringGrid& Grid, const std::string& FileName) {
  writeSpreadsheet(ports_.files, ports_.locale, Grid, FileName);
  return true;
}

void TUsage::SpeedButton5Click() {
  OpenPictureDialog1.setInitialDirectory(recordsFolder());
  OpenPictureDialog1.setFileName("");
  if (OpenPictureDialog1.execute()) ports_.shell.open(OpenPictureDialog1.fileName(), "");
}

void TUsage::SpeedButton6Click() {
  // Where the logs are, which is not the program's folder when it refuses them.
  if (recordsFolder() != GetAppPath()) OpenDialog3.setInitialDirectory(recordsFolder());
  if (OpenDialog3.execute()) ports_.shell.open(OpenDialog3.fileName(), "");
}

}  // namespace dozorik
