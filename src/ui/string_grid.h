#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace dozorik::ui {

// A grid of text cells. Cells keep their text when the row count shrinks and
// show again when it grows back.
class StringGrid : public Control {
 public:
  StringGrid(Control* parent, std::string name, Rect rect, int colCount, int rowCount)
      : Control(Kind::StringGrid, parent, std::move(name), rect),
        colCount_(colCount),
        rowCount_(rowCount) {}

  int colCount() const { return colCount_; }
  int rowCount() const { return rowCount_; }
  void setRowCount(int rowCount);

  // Empties every cell and sets the row count.
  void clear(int rowCount);

  const std::string& cell(int col, int row) const;
  void setCell(int col, int row, const std::string& text);

 private:
  int colCount_;
  int rowCount_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace dozorik::ui
