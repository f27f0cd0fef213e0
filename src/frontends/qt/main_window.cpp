#include "frontends/qt/main_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

#include "app/Unit1.h"
#include "frontends/qt/debug_panel.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/render_panel.h"
#include "frontends/qt/status_strip.h"

namespace qtfe {

MainWindow::MainWindow(TForm1& form, MenuMirror::ClickHandler on_menu_click)
    : form_(form), presents_(form.Panel1Window.Presents) {
  if (!form.BorderIcons) setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  // The client area is the form's client size exactly; the menu bar sits above it.
  auto* client = new QWidget(this);
  client->setFixedSize(form.ClientWidth, form.ClientHeight);
  setCentralWidget(client);

  panel_ = new RenderPanel(client);
  panel_->setGeometry(form.Panel1.Left, form.Panel1.Top, form.Panel1.Width, form.Panel1.Height);
  status_ = new StatusStrip(form.StatusBar1, client);
  // Created last so that it floats over the rendering panel.
  debug_ = new DebugPanel(form.Panel2, {&form.Label1, &form.Label2, &form.Label3}, form.Memo1, client);

  menu_ = new MenuMirror(form.MainMenu1, *menuBar(), std::move(on_menu_click));

  if (!form.Resizable) layout()->setSizeConstraint(QLayout::SetFixedSize);
  move(form.Left, form.Top);
  title_ = form.Caption;
  setWindowTitle(ToQString(title_));
  if (form.Panel1Window.Presents > 0) panel_->ShowFrame(form.Panel1Window.Frame);
  panel_->setFocus();
}

void MainWindow::Sync() {
  if (form_.Caption != title_) {
    title_ = form_.Caption;
    setWindowTitle(ToQString(title_));
  }
  if (form_.Panel1Window.Presents != presents_) {
    presents_ = form_.Panel1Window.Presents;
    panel_->ShowFrame(form_.Panel1Window.Frame);
  }
  status_->Sync();
  debug_->Sync();
  menu_->Sync();
}

void MainWindow::StoreBounds() {
  if (!isVisible()) return;
  const QRect frame = frameGeometry();
  form_.SetBounds(frame.x(), frame.y(), frame.width(), frame.height());
  form_.ClientWidth = ClientArea()->width();
  form_.ClientHeight = ClientArea()->height();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (form_.Closed())
    event->accept();
  else
    event->ignore();
}

}  // namespace qtfe
