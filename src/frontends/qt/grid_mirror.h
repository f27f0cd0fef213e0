#pragma once
// A string grid shown as a table: the fixed columns and rows look like headings and cannot be
// edited, the other cells can; an edit becomes the component's new cell text.
#include <QTableWidget>

#include "platform/ui/components.h"

namespace qtfe {

class GridMirror final : public QTableWidget {
 public:
  GridMirror(ui::StringGrid& grid, QWidget* parent);

  // Copies the cells when the component changed since the last call.
  void Sync();

 private:
  void ShowCells();
  void TakeEdit(QTableWidgetItem* item);
  bool IsFixed(int col, int row) const { return col < grid_.FixedCols || row < grid_.FixedRows; }

  ui::StringGrid& grid_;
  unsigned revision_;
};

}  // namespace qtfe
