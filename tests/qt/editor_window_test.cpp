// The environment editor's window: it follows its form, turns typing and clicks into component
// changes and handlers, answers the Debug command from the menu and the keyboard, and shows the
// save's errors in the desktop's message box.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "environment/Unit2.h"
#include "frontends/qt/desktop_hooks.h"
#include "frontends/qt/editor_window.h"
#include "frontends/qt/render_panel.h"
#include "qt/viewer_fixture.h"
#include "support/scene_files.h"

namespace qttest {
namespace {

class EditorWindowTest : public ViewerFixture {
 protected:
  void StartWithScene() {
    test::WriteScene(dir_, 10);
    StartViewer(true);
    ShowWindow();
  }
  TForm2& Form2() { return *GetViewer().Form2; }
  qtfe::EditorWindow& Editor() { return *Front().Editor(); }
  template <class W>
  W* Shown(const ui::Component& component) {
    return qobject_cast<W*>(Editor().WidgetFor(component));
  }
  void PressDebug() { QTest::keyClick(Window().Panel(), Qt::Key_D, Qt::ControlModifier); }
};

TEST_F(EditorWindowTest, ShowsItsFormAtItsPlacesOnTheDebugCommand) {
  StartWithScene();
  EXPECT_TRUE(Editor().isHidden());
  Window().Menu()->ActionFor(Form().OptionDebug)->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Editor()));
  EXPECT_EQ(Editor().windowTitle(), QStringLiteral("dir10"));
  EXPECT_EQ(Editor().pos(), QPoint(845, 217));
  EXPECT_EQ(Editor().size(), QSize(335, 405));

  QTabWidget& pages = *Editor().Pages();
  EXPECT_EQ(pages.geometry(), QRect(0, 8, 321, 329));
  ASSERT_EQ(pages.count(), 2);
  EXPECT_EQ(pages.tabText(0), QStringLiteral("Environment"));
  EXPECT_EQ(pages.tabText(1), QStringLiteral("MotionArray"));

  EXPECT_EQ(Shown<QLineEdit>(Form2().CP1Y)->geometry(), QRect(57, 47, 40, 20));
  EXPECT_EQ(Shown<QLineEdit>(Form2().LX)->text(), QStringLiteral("1"));
  EXPECT_EQ(Shown<QLineEdit>(Form2().Pitch)->text(), QStringLiteral("0.25"));
  EXPECT_EQ(Shown<QPushButton>(Form2().CAP3)->geometry(), QRect(144, 97, 30, 17));
  EXPECT_EQ(Shown<QPushButton>(Form2().CAP3)->text(), QStringLiteral("cap"));
  EXPECT_EQ(Shown<QPushButton>(Form2().EnvOK)->geometry(), QRect(240, 344, 75, 25));
  EXPECT_EQ(Shown<QLabel>(Form2().CZ)->pos(), QPoint(102, 7));

  QTableWidget& grid1 = *Shown<QTableWidget>(Form2().Grid1);
  ASSERT_EQ(grid1.columnCount(), 12);
  ASSERT_EQ(grid1.rowCount(), 18);
  EXPECT_EQ(grid1.item(2, 1)->text(), QStringLiteral("0.5"));  // motion 0's speed
  EXPECT_FALSE(grid1.item(5, 0)->flags() & Qt::ItemIsEditable);  // the fixed column
  EXPECT_FALSE(grid1.item(0, 4)->flags() & Qt::ItemIsEditable);  // the fixed row
  EXPECT_TRUE(grid1.item(3, 4)->flags() & Qt::ItemIsEditable);
  QTableWidget& grid2 = *Shown<QTableWidget>(Form2().Grid2);
  EXPECT_EQ(grid2.geometry(), QRect(176, 24, 129, 89));
  EXPECT_EQ(grid2.columnCount(), 6);
  EXPECT_EQ(grid2.rowCount(), 4);
  EXPECT_EQ(grid2.rowHeight(0), 20);
  EXPECT_TRUE(grid2.item(0, 0)->flags() & Qt::ItemIsEditable);

  // The shortcut reaches the same handler: the debug view ends and the window goes.
  PressDebug();
  EXPECT_FALSE(GetViewer().State.Debug);
  EXPECT_TRUE(Editor().isHidden());
}

TEST_F(EditorWindowTest, TypingAndClicksReachTheComponents) {
  StartWithScene();
  PressDebug();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Editor()));
  // The idle loop draws the debug view, which writes the live readouts.
  ASSERT_TRUE(WaitUntil([&] { return Shown<QLabel>(Form2().CX)->text() == QStringLiteral("1.000"); }));

  QLineEdit& dist = *Shown<QLineEdit>(Form2().Dist);
  dist.selectAll();
  QTest::keyClicks(&dist, QStringLiteral("6.50"));
  EXPECT_EQ(Form2().Dist.Text, "6.50");

  QTableWidget& grid2 = *Shown<QTableWidget>(Form2().Grid2);
  grid2.item(1, 2)->setText(QStringLiteral("7"));  // as the cell editor commits it
  EXPECT_EQ(Form2().Grid2.Cell(2, 1), "7");

  QTest::mouseClick(Shown<QPushButton>(Form2().CAP1), Qt::LeftButton);
  EXPECT_EQ(Form2().CP1X.Text, "1.000");
  EXPECT_EQ(Shown<QLineEdit>(Form2().CP1X)->text(), QStringLiteral("1.000"));

  QTest::mouseClick(Shown<QPushButton>(Form2().EnvOK), Qt::LeftButton);
  EXPECT_TRUE(errors_.empty());
  const std::string env = dir_.Read("dir10/env.ini");
  EXPECT_NE(env.find("\r\nDist=6.5\r\n"), std::string::npos);
  EXPECT_NE(env.find("\r\nCP1X=1\r\n"), std::string::npos);
  std::vector<std::string> select = test::SelectLines();
  select[2 * 4 + 1] = "7";
  EXPECT_EQ(dir_.Read("dir10/marray.txt"), test::CrLf(select));

  // A menu shortcut typed in the editor reaches the main menu, and the field does not get the key.
  QTest::keyClick(&dist, Qt::Key_D, Qt::ControlModifier);
  EXPECT_FALSE(GetViewer().State.Debug);
  EXPECT_TRUE(Editor().isHidden());
  EXPECT_EQ(Form2().Dist.Text, "6.50");
}

TEST_F(EditorWindowTest, ClosingTheWindowOnlyHidesIt) {
  StartWithScene();
  PressDebug();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Editor()));
  EXPECT_TRUE(Editor().close());
  EXPECT_TRUE(Editor().isHidden());
  EXPECT_FALSE(Form2().Visible);
  EXPECT_TRUE(GetViewer().State.Debug);
  PressDebug();  // clears the debug view; the window is already gone
  EXPECT_FALSE(GetViewer().State.Debug);
  EXPECT_TRUE(Editor().isHidden());
  PressDebug();
  EXPECT_FALSE(Editor().isHidden());
}

TEST_F(EditorWindowTest, ASaveErrorShowsTheDesktopsErrorBox) {
  StartWithScene();
  qtfe::InstallDesktopHooks(GetViewer().Application);
  PressDebug();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Editor()));
  QLineEdit& lx = *Shown<QLineEdit>(Form2().LX);
  lx.clear();
  QTest::keyClicks(&lx, QStringLiteral("abc"));

  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    caption = box->windowTitle();
    text = box->text();
    icon = box->icon();
    box->accept();
  });
  QTest::mouseClick(Shown<QPushButton>(Form2().EnvOK), Qt::LeftButton);
  EXPECT_EQ(caption, QStringLiteral("Korvel View 1.0"));
  EXPECT_EQ(text, QString::fromUtf8("'abc' は浮動小数点数ではありません"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(dir_.Read("dir10/env.ini"), "[ENV]\r\nLX=1\r\nLY=2\r\nLZ=3\r\nPitch=0.25\r\nYaw=0.5\r\nDist=4\r\n");
}

}  // namespace
}  // namespace qttest
