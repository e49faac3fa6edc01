#include "ui/string_grid.h"

#include <stdexcept>

namespace dozorik::ui {

namespace {
const std::string kEmpty;
}

void StringGrid::setRowCount(int rowCount) {
  if (rowCount < 1) rowCount = 1;
  if (rowCount == rowCount_) return;
  rowCount_ = rowCount;
  notify(Property::Cells);
}

void StringGrid::clear(int rowCount) {
  rows_.clear();
  rowCount_ = rowCount < 1 ? 1 : rowCount;
  notify(Property::Cells);
}

const std::string& StringGrid::cell(int col, int row) const {
  if (col < 0 || row < 0 || col >= colCount_) throw std::out_of_range("grid cell");
  if (static_cast<std::size_t>(row) >= rows_.size()) return kEmpty;
  return rows_[row][col];
}

void StringGrid::setCell(int col, int row, const std::string& text) {
  if (col < 0 || row < 0 || col >= colCount_) throw std::out_of_range("grid cell");
  if (static_cast<std::size_t>(row) >= rows_.size()) {
    rows_.resize(row + 1, std::vector<std::string>(colCount_));
  }
  rows_[row][col] = text;
  notify(Property::Cells);
}

}  // namespace dozorik::ui
