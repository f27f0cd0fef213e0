#include "frontends/qt/menu_mirror.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "frontends/qt/input_map.h"
#include "frontends/qt/qt_text.h"

namespace qtfe {

MenuMirror::MenuMirror(ui::MainMenu& menu, QMenuBar& bar, ClickHandler on_click)
    : QObject(&bar), menu_(menu), bar_(bar), on_click_(std::move(on_click)) {
  Build();
}

void MenuMirror::Build() {
  // A rebuild may be asked for from inside one of the old actions' handlers: the old objects go
  // once control is back in the event loop.
  bar_.clear();
  for (QMenu* menu : menus_) menu->deleteLater();
  if (actions_) actions_->deleteLater();
  menus_.clear();
  entries_.clear();
  actions_ = new QObject(this);
  revision_ = menu_.Revision;
  AddItems(menu_.Items, nullptr);
}

void MenuMirror::AddItems(const std::vector<ui::MenuItem*>& items, QMenu* menu) {
  for (ui::MenuItem* item : items) {
    QAction* action = nullptr;
    const bool has_sub_menu = !item->Items.empty();
    if (has_sub_menu) {
      QMenu* sub = menu ? new QMenu(menu) : new QMenu(&bar_);
      if (!menu) menus_.push_back(sub);
      action = sub->menuAction();
      // As in the window system, opening a menu clicks its item.
      connect(sub, &QMenu::aboutToShow, this, [this, item] { on_click_(*item); });
      AddItems(item->Items, sub);
    } else {
      action = new QAction(actions_);
      connect(action, &QAction::triggered, this, [this, item] { on_click_(*item); });
    }
    if (menu)
      menu->addAction(action);
    else
      bar_.addAction(action);
    entries_.push_back({item, action, menu == nullptr, has_sub_menu, {}, 0, false});
    Show(entries_.back());
  }
}

void MenuMirror::Show(Entry& entry) {
  const ui::MenuItem& item = *entry.Item;
  if (!entry.TextShown || item.Caption != entry.Caption || item.Shortcut != entry.Shortcut) {
    entry.TextShown = true;
    entry.Caption = item.Caption;
    entry.Shortcut = item.Shortcut;
    QString text;
    // A separator's "-" is its kind, not a text to show.
    if (!item.IsSeparator()) {
      text = ToQString(item.Caption);
      const QString shortcut = ShortCutText(item.Shortcut);
      // Inside a menu the text after a tab is shown right-aligned, where shortcuts go.
      if (!entry.OnBar && !entry.HasSubMenu && !shortcut.isEmpty()) text += QLatin1Char('\t') + shortcut;
    }
    entry.Action->setText(text);
  }
  QAction& action = *entry.Action;
  const bool separator = item.IsSeparator() && !entry.HasSubMenu;
  if (action.isSeparator() != separator) action.setSeparator(separator);
  // Only a checked entry shows a check box, as in the window system's menus.
  if (!entry.HasSubMenu && (action.isCheckable() != item.Checked || action.isChecked() != item.Checked)) {
    action.setCheckable(item.Checked);
    action.setChecked(item.Checked);
  }
  if (action.isVisible() != item.Visible) action.setVisible(item.Visible);
  if (action.isEnabled() != item.Enabled) action.setEnabled(item.Enabled);
}

void MenuMirror::Sync() {
  if (menu_.Revision != revision_) {
    Build();
    return;
  }
  for (Entry& entry : entries_) Show(entry);
}

QAction* MenuMirror::ActionFor(const ui::MenuItem& item) const {
  for (const Entry& entry : entries_)
    if (entry.Item == &item) return entry.Action;
  return nullptr;
}

}  // namespace qtfe
