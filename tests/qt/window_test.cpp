// The main window as built from the form: layout, decorations, menu bar and the rendering panel.
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>

#include "frontends/qt/debug_panel.h"
#include "frontends/qt/desktop_hooks.h"
#include "frontends/qt/frame_loop.h"
#include "frontends/qt/render_panel.h"
#include "frontends/qt/status_strip.h"
#include "platform/ui/errors.h"
#include "qt/viewer_fixture.h"

namespace qttest {
namespace {

QStringList VisibleMenuTitles(const QMenuBar& bar) {
  QStringList titles;
  for (const QAction* action : bar.actions())
    if (action->isVisible()) titles << action->text();
  return titles;
}

class WindowTest : public ViewerFixture {};

TEST_F(WindowTest, MirrorsTheFormsLayout) {
  StartViewer(false);
  ShowWindow();
  qtfe::MainWindow& window = Window();

  EXPECT_EQ(window.windowTitle(), QStringLiteral("Korvel Viewer"));
  EXPECT_EQ(window.ClientArea()->size(), QSize(640, 499));
  EXPECT_EQ(window.ClientArea()->mapTo(&window, QPoint(0, 0)).y(), window.menuBar()->height());
  EXPECT_EQ(window.pos(), QPoint(197, 117));
  // Fixed size: the window cannot be resized.
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

  EXPECT_EQ(window.Panel()->geometry(), QRect(0, 0, 640, 480));

  qtfe::StatusStrip& status = *window.Status();
  EXPECT_EQ(status.geometry(), QRect(0, 480, 640, 19));
  ASSERT_EQ(status.SectionCount(), 5);
  const int widths[] = {80, 50, 50, 80, 50};
  int x = 0;
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(status.Section(i)->geometry(), QRect(x, 0, widths[i], 19)) << "section " << i;
    x += widths[i];
  }
  // The status action ran at creation: normals and modify are on.
  EXPECT_EQ(status.Section(1)->text(), QStringLiteral("N:M:"));

  qtfe::DebugPanel& debug = *window.Debug();
  EXPECT_TRUE(debug.isHidden());
  EXPECT_EQ(debug.geometry(), QRect(8, 312, 457, 161));
  EXPECT_EQ(debug.LabelWidget(0)->pos(), QPoint(8, 5));
  EXPECT_EQ(debug.LabelWidget(2)->text(), QStringLiteral("Label3"));
  EXPECT_EQ(debug.MemoWidget()->geometry(), QRect(8, 56, 425, 81));
  EXPECT_TRUE(debug.MemoWidget()->isReadOnly());
}

TEST_F(WindowTest, WindowManagerCannotCloseAnOpenForm) {
  StartViewer(false);
  ShowWindow();
  EXPECT_FALSE(Window().close());
  EXPECT_TRUE(Window().isVisible());
  EXPECT_FALSE(Form().Closed());
  EXPECT_NE(GetViewer().State.Device, nullptr);
}

TEST_F(WindowTest, FormBoundsLetTheLogicMapTheScreenCursor) {
  StartViewer(false);
  GetViewer().Application.CursorPosHook = qtfe::ScreenCursor;
  ShowWindow();
  Window().move(300, 200);  // moved on the screen after it was shown
  ASSERT_TRUE(WaitUntil([&] { return Window().pos() == QPoint(300, 200); }));
  QCursor::setPos(Window().Panel()->mapToGlobal(QPoint(610, 40)));

  ui::Point cursor;
  Front().Run([&] { cursor = GetViewer().Application.CursorPos(); });
  EXPECT_EQ(QPoint(cursor.X, cursor.Y), Window().Panel()->mapToGlobal(QPoint(610, 40)));
  // The form's bounds are the window's outer rectangle, as the window system keeps them.
  const TForm1& form = Form();
  const QRect frame = Window().frameGeometry();
  EXPECT_EQ(QRect(form.Left, form.Top, form.Width, form.Height), frame);
  EXPECT_EQ(form.ClientWidth, 640);
  EXPECT_EQ(form.ClientHeight, 499);
  // So the logic's mapping (which takes the whole frame height above the client area) lands on the
  // panel point, shifted only by the frame's left and bottom borders.
  const int left_border = Window().geometry().left() - frame.left();
  const int bottom_border = frame.bottom() - Window().geometry().bottom();
  EXPECT_EQ(cursor.X - form.Left, 610 + left_border);
  EXPECT_EQ(cursor.Y - (form.Top + form.Height - form.ClientHeight), 40 - bottom_border);
}

TEST_F(WindowTest, OptionMenuOnlyWithDevelopFile) {
  StartViewer(false);
  EXPECT_EQ(VisibleMenuTitles(*Window().menuBar()),
            (QStringList{QStringLiteral("File"), QStringLiteral("Demo"), QStringLiteral("Back"), QStringLiteral("Help")}));
}

TEST_F(WindowTest, MenuEntriesMirrorTheItems) {
  StartViewer(true);
  TForm1& form = Form();
  qtfe::MenuMirror& menu = *Window().Menu();
  EXPECT_EQ(VisibleMenuTitles(*Window().menuBar()),
            (QStringList{QStringLiteral("File"), QStringLiteral("Option"), QStringLiteral("Demo"),
                         QStringLiteral("Back"), QStringLiteral("Help")}));

  // Shortcut texts are shown but left to the menu component to dispatch.
  QAction* close = menu.ActionFor(form.FileClose);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text(), QStringLiteral("Close\tCtrl+Q"));
  EXPECT_TRUE(close->shortcut().isEmpty());
  EXPECT_EQ(menu.ActionFor(form.OptionStatus)->text(), QStringLiteral("Status\tF12"));
  EXPECT_TRUE(menu.ActionFor(form.N1)->isSeparator());
  EXPECT_TRUE(menu.ActionFor(form.N1)->text().isEmpty());
  EXPECT_FALSE(menu.ActionFor(form.OptionLoadMotion)->isVisible());
  EXPECT_FALSE(menu.ActionFor(form.OptionRead)->isVisible());

  // Clicking an entry runs its handler; the check mark follows the item.
  QAction* render_back = menu.ActionFor(form.OptionRenderBack);
  EXPECT_TRUE(render_back->isChecked());
  render_back->trigger();
  EXPECT_FALSE(GetViewer().State.RenderBack);
  EXPECT_FALSE(render_back->isChecked());
  render_back->trigger();
  EXPECT_TRUE(GetViewer().State.RenderBack);
  EXPECT_TRUE(render_back->isChecked());

  // Entries on the bar itself are actions too.
  menu.ActionFor(form.DemoMenu)->trigger();
  EXPECT_TRUE(GetViewer().State.Demo);
  menu.ActionFor(form.HelpMenu)->trigger();
  EXPECT_EQ(opened_, std::vector<std::string>{"help.html"});

  // A state change made by the logic reaches the entry at the next sync.
  form.OptionModify.Enabled = false;
  Front().Run([] {});
  EXPECT_FALSE(menu.ActionFor(form.OptionModify)->isEnabled());
}

TEST_F(WindowTest, SyncCopiesWhatTheLogicChanged) {
  StartViewer(false);
  TForm1& form = Form();
  qtfe::DebugPanel& debug = *Window().Debug();

  form.Caption = "Renamed";
  form.StatusBar1.Panels[4].Text = "日本語";
  form.Label2.Caption = "a longer caption than before";
  form.Panel2.Visible = true;
  form.Memo1.Lines = {"first", "second"};  // without Invalidate
  Front().Run([] {});
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Renamed"));
  EXPECT_EQ(Window().Status()->Section(4)->text(), QString::fromUtf8("日本語"));
  EXPECT_EQ(debug.LabelWidget(1)->text(), QStringLiteral("a longer caption than before"));
  EXPECT_GE(debug.LabelWidget(1)->width(), debug.LabelWidget(1)->sizeHint().width());
  EXPECT_FALSE(debug.isHidden());
  EXPECT_EQ(debug.MemoWidget()->toPlainText(), QStringLiteral("first\nsecond"));

  form.Memo1.Lines.clear();
  form.Memo1.Invalidate();
  form.Panel2.Visible = false;
  Front().Run([] {});
  EXPECT_EQ(debug.MemoWidget()->toPlainText(), QString());
  EXPECT_TRUE(debug.isHidden());
}

TEST_F(WindowTest, IdlePassesShowTheClearedFrame) {
  StartViewer(false);
  const QImage before = Window().Panel()->grab().toImage();
  EXPECT_EQ(before.pixel(320, 240) & 0xFFFFFFu, 0x000000u);  // nothing presented yet

  ShowWindow();
  ASSERT_TRUE(WaitUntil([&] { return Form().Panel1Window.Presents >= 3; }));
  Front().Run([] {});  // the last pass's frame is on the panel
  const QImage shown = Window().Panel()->grab().toImage();
  const gfx::Image& frame = Form().Panel1Window.Frame;
  ASSERT_EQ(shown.size(), QSize(frame.Width, frame.Height));
  EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFFu, 0x505064u);  // the clear colour, in a corner nothing covers
  // The panel shows the presented picture exactly, whatever was drawn over the clear colour.
  int mismatches = 0;
  for (int y = 0; y < frame.Height; ++y)
    for (int x = 0; x < frame.Width; ++x)
      if ((shown.pixel(x, y) & 0xFFFFFFu) != (frame.At(x, y) & 0xFFFFFFu)) ++mismatches;
  EXPECT_EQ(mismatches, 0);
}

TEST_F(WindowTest, StatusTimerShowsTheFrameRate) {
  StartViewer(false);
  in_pass_ = [this] { clock_.Advance(10); };
  ShowWindow();
  EXPECT_EQ(Front().StatusTimer().interval(), 100);
  EXPECT_TRUE(WaitUntil([&] { return Window().Status()->Section(0)->text().startsWith(QStringLiteral("FPS:")); }));
}

TEST_F(WindowTest, IdleLoopResumesAfterAnErrorAtTheNextEvent) {
  StartViewer(false);
  bool fail = true;
  in_pass_ = [&] {
    if (fail) {
      fail = false;
      throw ui::Error("broken pass");
    }
  };
  ShowWindow();
  ASSERT_TRUE(WaitUntil([&] { return !errors_.empty(); }));
  EXPECT_EQ(errors_, std::vector<std::string>{"broken pass"});
  const auto presents = Form().Panel1Window.Presents;
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), Window().Panel()->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(Window().Panel(), &move);
  EXPECT_TRUE(WaitUntil([&] { return Form().Panel1Window.Presents > presents + 2; }));
}

}  // namespace
}  // namespace qttest
