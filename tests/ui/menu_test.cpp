#include <gtest/gtest.h>

#include "platform/ui/components.h"

namespace {

struct MenuFixture {
  ui::MainMenu menu{"MainMenu1"};
  ui::MenuItem file{"FileMenu", "File"};
  ui::MenuItem close{"FileClose", "Close", ui::CtrlKey('Q')};
  ui::MenuItem option{"OptionMenu", "Option"};
  ui::MenuItem hidden{"OptionLoadMotion", "LoadMotion", ui::CtrlKey('L')};
  ui::MenuItem separator{"N1", "-"};
  std::vector<std::string> clicked;

  MenuFixture() {
    menu.Items = {&file, &option};
    file.Items = {&close};
    option.Items = {&separator, &hidden};
    hidden.Visible = false;
    for (ui::MenuItem* item : {&close, &hidden})
      item->OnClick = [this](ui::Component* sender) { clicked.push_back(sender->Name); };
  }
};

TEST(UiMenu, ShortcutsReachHiddenEntriesButNotThoseOfADisabledMenu) {
  MenuFixture f;
  EXPECT_TRUE(f.menu.DispatchShortCut(ui::CtrlKey('L')));
  EXPECT_TRUE(f.menu.DispatchShortCut(ui::CtrlKey('Q')));
  EXPECT_FALSE(f.menu.DispatchShortCut(ui::CtrlKey('X')));
  EXPECT_FALSE(f.menu.DispatchShortCut(0));
  f.option.Enabled = false;
  EXPECT_FALSE(f.menu.DispatchShortCut(ui::CtrlKey('L')));
  EXPECT_EQ(f.clicked, (std::vector<std::string>{"OptionLoadMotion", "FileClose"}));
}

TEST(UiStringGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
  ui::StringGrid grid("Grid1");
  grid.SetSize(12, 18);
  grid.SetCell(11, 17, "last");
  grid.SetCell(12, 0, "outside");
  grid.SetCell(-1, 0, "outside");
  EXPECT_EQ(grid.Cell(11, 17), "last");
  EXPECT_EQ(grid.Cell(12, 0), "");
  EXPECT_EQ(grid.Cell(0, -1), "");
  EXPECT_EQ(grid.ColCount(), 12);
  EXPECT_EQ(grid.RowCount(), 18);
}

}  // namespace
