#pragma once
// The menu bar, mirrored from a MainMenu component: entries with sub-items become menus, the others
// actions on the bar. Shortcut texts are shown but not bound: the component dispatches shortcuts
// itself, so that hidden entries still answer and disabled menus swallow nothing.
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/components.h"

class QAction;
class QMenu;
class QMenuBar;

namespace qtfe {

class MenuMirror final : public QObject {
 public:
  using ClickHandler = std::function<void(ui::MenuItem& item)>;

  MenuMirror(ui::MainMenu& menu, QMenuBar& bar, ClickHandler on_click);

  // Rebuilds the bar when the menu's revision changed, otherwise copies what changed per entry.
  void Sync();

  // The action that shows the item; nothing for an item not in the menu.
  QAction* ActionFor(const ui::MenuItem& item) const;

 private:
  struct Entry {
    ui::MenuItem* Item;
    QAction* Action;
    bool OnBar;       // an action directly on the menu bar
    bool HasSubMenu;  // the action opens a menu
    // The caption and shortcut the action's text was made from; the action's flags are read from
    // the action itself, since the user toggles a checkable one.
    std::string Caption;
    ui::ShortCut Shortcut;
    bool TextShown;
  };

  void Build();
  void AddItems(const std::vector<ui::MenuItem*>& items, QMenu* menu);
  static void Show(Entry& entry);

  ui::MainMenu& menu_;
  QMenuBar& bar_;
  ClickHandler on_click_;
  unsigned revision_ = 0;
  std::vector<Entry> entries_;
  // What one build made; released together at the next build.
  QObject* actions_ = nullptr;
  std::vector<QMenu*> menus_;
};

}  // namespace qtfe
