#include "frontends/qt/editor_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "environment/Unit2.h"
#include "frontends/qt/grid_mirror.h"
#include "frontends/qt/qt_text.h"

namespace qtfe {

namespace {
constexpr int kTextMarginGain = 2;  // pixels of each inner margin given to the text
}  // namespace

EditorWindow::EditorWindow(TForm2& form, Runner run) : QWidget(nullptr, Qt::Window), form_(form), run_(std::move(run)) {
  resize(form.ClientWidth, form.ClientHeight);
  if (!form.Resizable) setFixedSize(form.ClientWidth, form.ClientHeight);
  move(form.Left, form.Top);
  title_ = form.Caption;
  setWindowTitle(ToQString(title_));

  // The page control first: the other controls sit on its pages.
  ui::PageControl& page_control = form.PageControl1;
  pages_ = new QTabWidget(this);
  pages_->setGeometry(page_control.Left, page_control.Top, page_control.Width, page_control.Height);
  widgets_[&page_control] = pages_;
  for (ui::TabSheet* sheet : page_control.Pages) {
    auto* page = new QWidget;
    pages_->addTab(page, ToQString(sheet->Caption));
    widgets_[sheet] = page;
  }
  pages_->setCurrentIndex(page_control.ActivePageIndex);
  connect(pages_, &QTabWidget::currentChanged, this, [&page_control](int index) { page_control.ActivePageIndex = index; });

  for (const auto& [name, component] : form.Components())
    if (auto* control = dynamic_cast<ui::Control*>(component); control && !widgets_.count(control)) Add(*control);
  setVisible(false);
}

QWidget* EditorWindow::ParentFor(const ui::Control& control) {
  auto it = widgets_.find(control.Parent);
  return it == widgets_.end() ? this : it->second;
}

void EditorWindow::Add(ui::Control& control) {
  QWidget* parent = ParentFor(control);
  QWidget* widget = nullptr;
  if (auto* label = dynamic_cast<ui::Label*>(&control)) {
    auto* shown = new QLabel(parent);
    labels_.push_back({label, shown, {}});
    ShowLabel(labels_.back());
    shown->move(control.Left, control.Top);
    widget = shown;
  } else if (auto* edit = dynamic_cast<ui::Edit*>(&control)) {
    auto* line = new QLineEdit(ToQString(edit->Text), parent);
    // The fields are narrow: the text gets the room of the inner margins, and shows from its start.
    line->setTextMargins(-kTextMarginGain, 0, -kTextMarginGain, 0);
    line->setCursorPosition(0);
    connect(line, &QLineEdit::textEdited, this, [this, index = edits_.size()](const QString& text) {
      MirroredEdit& e = edits_[index];
      e.Component->Text = e.Shown = text.toStdString();
    });
    edits_.push_back({edit, line, edit->Text});
    widget = line;
  } else if (auto* button = dynamic_cast<ui::Button*>(&control)) {
    auto* push = new QPushButton(ToQString(button->Caption), parent);
    connect(push, &QPushButton::clicked, this, [this, button] {
      if (button->Enabled && button->OnClick) run_([button] { button->OnClick(button); });
    });
    widget = push;
  } else if (auto* grid = dynamic_cast<ui::StringGrid*>(&control)) {
    auto* table = new GridMirror(*grid, parent);
    grids_.push_back(table);
    widget = table;
  } else {
    return;
  }
  if (!dynamic_cast<ui::Label*>(&control)) widget->setGeometry(control.Left, control.Top, control.Width, control.Height);
  widgets_[&control] = widget;
}

void EditorWindow::ShowLabel(MirroredLabel& label) {
  label.Shown = label.Component->Caption;
  label.Widget->setText(ToQString(label.Shown));
  label.Widget->adjustSize();  // labels size themselves to their caption
}

void EditorWindow::Sync() {
  if (form_.Caption != title_) {
    title_ = form_.Caption;
    setWindowTitle(ToQString(title_));
  }
  for (MirroredLabel& label : labels_)
    if (label.Component->Caption != label.Shown) ShowLabel(label);
  for (MirroredEdit& edit : edits_) {
    if (edit.Component->Text == edit.Shown) continue;
    edit.Shown = edit.Component->Text;
    edit.Widget->setText(ToQString(edit.Shown));
    edit.Widget->setCursorPosition(0);
  }
  for (GridMirror* grid : grids_) grid->Sync();
  if (pages_->currentIndex() != form_.PageControl1.ActivePageIndex)
    pages_->setCurrentIndex(form_.PageControl1.ActivePageIndex);
  if (isHidden() == form_.Visible) setVisible(form_.Visible);
}

QWidget* EditorWindow::WidgetFor(const ui::Component& component) const {
  auto it = widgets_.find(dynamic_cast<const ui::Control*>(&component));
  return it == widgets_.end() ? nullptr : it->second;
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  form_.Hide();
  event->accept();
}

}  // namespace qtfe
