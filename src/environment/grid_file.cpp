#include "environment/grid_file.h"

namespace {
size_t CellIndex(const ui::StringGrid& grid, int col, int row) {
  return static_cast<size_t>(col) * static_cast<size_t>(grid.RowCount()) + static_cast<size_t>(row);
}
}  // namespace

void GridFile::Load(ui::StringGrid& grid, const ui::StringList& lines) {
  loaded_.assign(static_cast<size_t>(grid.ColCount()) * static_cast<size_t>(grid.RowCount()), os::SystemText{});
  for (int c = 0; c < grid.ColCount(); ++c) {
    for (int r = 0; r < grid.RowCount(); ++r) {
      const size_t index = CellIndex(grid, c, r);
      os::SystemText text = os::SystemText::FromBytes(lines.Get(static_cast<int>(index)));
      grid.SetCell(c, r, text.Utf8());
      loaded_[index] = std::move(text);
    }
  }
}

ui::StringList GridFile::Lines(const ui::StringGrid& grid) const {
  ui::StringList lines;
  for (int c = 0; c < grid.ColCount(); ++c) {
    for (int r = 0; r < grid.RowCount(); ++r) {
      const size_t index = CellIndex(grid, c, r);
      const std::string& cell = grid.Cell(c, r);
      if (index < loaded_.size() && loaded_[index].Utf8() == cell)
        lines.Add(loaded_[index].Bytes());
      else
        lines.Add(os::SystemText::FromUtf8(cell).Bytes());
    }
  }
  return lines;
}
