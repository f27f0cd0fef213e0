#include "frontends/qt/grid_mirror.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>

#include "frontends/qt/qt_text.h"

namespace qtfe {

namespace {
constexpr int kHeadingShade = 108;  // fixed cells a shade darker than a button face, as headings
}  // namespace

GridMirror::GridMirror(ui::StringGrid& grid, QWidget* parent)
    : QTableWidget(grid.RowCount(), grid.ColCount(), parent), grid_(grid), revision_(grid.Revision) {
  setGeometry(grid.Left, grid.Top, grid.Width, grid.Height);
  // The component's own fixed cells are the headings; Qt's header bars would be a second set.
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(grid.DefaultColWidth);
  verticalHeader()->setDefaultSectionSize(grid.DefaultRowHeight);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setWordWrap(false);

  for (int c = 0; c < grid.ColCount(); ++c) {
    for (int r = 0; r < grid.RowCount(); ++r) {
      auto* item = new QTableWidgetItem;
      if (IsFixed(c, r)) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().color(QPalette::Button).darker(kHeadingShade));
      }
      setItem(r, c, item);
    }
  }
  ShowCells();
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) { TakeEdit(item); });
}

void GridMirror::ShowCells() {
  const QSignalBlocker quiet(this);
  for (int c = 0; c < grid_.ColCount(); ++c) {
    for (int r = 0; r < grid_.RowCount(); ++r) {
      const QString text = ToQString(grid_.Cell(c, r));
      QTableWidgetItem* cell = item(r, c);
      if (cell != nullptr && cell->text() != text) cell->setText(text);
    }
  }
  // A column grows to show its widest text; none gets narrower than the grid's default width.
  for (int c = 0; c < columnCount(); ++c)
    setColumnWidth(c, std::max(grid_.DefaultColWidth, sizeHintForColumn(c)));
}

void GridMirror::TakeEdit(QTableWidgetItem* item) {
  const int c = item->column(), r = item->row();
  if (IsFixed(c, r)) return;
  grid_.SetCell(c, r, item->text().toStdString());
  revision_ = grid_.Revision;
}

void GridMirror::Sync() {
  if (grid_.Revision == revision_) return;
  revision_ = grid_.Revision;
  ShowCells();
}

}  // namespace qtfe
