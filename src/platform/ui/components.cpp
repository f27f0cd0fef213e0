#include "platform/ui/components.h"

namespace ui {

namespace {
const std::string kEmpty;
}

void StringGrid::SetSize(int cols, int rows) {
  cols = cols < 0 ? 0 : cols;
  rows = rows < 0 ? 0 : rows;
  cells_.resize(static_cast<size_t>(cols));
  for (auto& column : cells_) column.resize(static_cast<size_t>(rows));
  Invalidate();
}

const std::string& StringGrid::Cell(int col, int row) const {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return kEmpty;
  return cells_[static_cast<size_t>(col)][static_cast<size_t>(row)];
}

void StringGrid::SetCell(int col, int row, std::string text) {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
  cells_[static_cast<size_t>(col)][static_cast<size_t>(row)] = std::move(text);
  Invalidate();
}

void MenuItem::Click() {
  if (Enabled && OnClick) OnClick(this);
}

namespace {
MenuItem* FindShortCut(const std::vector<MenuItem*>& items, ShortCut shortcut) {
  for (MenuItem* item : items) {
    if (!item->Enabled) continue;
    if (item->Shortcut == shortcut && !item->IsSeparator()) return item;
    if (MenuItem* inner = FindShortCut(item->Items, shortcut)) return inner;
  }
  return nullptr;
}
}  // namespace

bool MainMenu::DispatchShortCut(ShortCut shortcut) {
  if (shortcut == 0) return false;
  MenuItem* item = FindShortCut(Items, shortcut);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

Component* Form::FindComponent(const std::string& name) const {
  auto it = components_.find(name);
  return it == components_.end() ? nullptr : it->second;
}

void Form::Show() {
  const bool was_visible = Visible;
  Visible = true;
  if (!was_visible && OnShow) OnShow(this);
}

void Form::Close() {
  if (closed_) return;
  if (OnClose) OnClose(this);
  closed_ = true;
  Visible = false;
}

}  // namespace ui
