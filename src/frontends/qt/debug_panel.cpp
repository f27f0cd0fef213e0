#include "frontends/qt/debug_panel.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "frontends/qt/qt_text.h"

namespace qtfe {

DebugPanel::DebugPanel(const ui::Panel& panel, std::vector<const ui::Label*> labels, const ui::Memo& memo,
                       QWidget* parent)
    : QFrame(parent), panel_(panel), memo_(memo), memo_widget_(new QPlainTextEdit(this)), memo_revision_(memo.Revision) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);  // it covers part of the rendering panel
  setGeometry(panel.Left, panel.Top, panel.Width, panel.Height);

  for (const ui::Label* component : labels) {
    auto* widget = new QLabel(this);
    widget->move(component->Left, component->Top);
    labels_.push_back({component, widget, {}});
    ShowCaption(labels_.back());
  }

  memo_widget_->setReadOnly(true);
  memo_widget_->setGeometry(memo.Left, memo.Top, memo.Width, memo.Height);
  memo_lines_ = memo.Lines;
  ShowLines();

  setVisible(panel.Visible);
}

void DebugPanel::ShowCaption(MirroredLabel& label) {
  label.Shown = label.Component->Caption;
  label.Widget->setText(ToQString(label.Shown));
  label.Widget->adjustSize();  // labels size themselves to their caption
}

void DebugPanel::ShowLines() {
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(memo_lines_.size()));
  for (const std::string& line : memo_lines_) lines.push_back(ToQString(line));
  memo_widget_->setPlainText(lines.join(QLatin1Char('\n')));
}

void DebugPanel::Sync() {
  if (isHidden() == panel_.Visible) setVisible(panel_.Visible);
  for (MirroredLabel& label : labels_)
    if (label.Component->Caption != label.Shown) ShowCaption(label);
  // Lines may be changed with or without Invalidate: the revision catches the former cheaply, the
  // comparison the latter.
  if (memo_.Revision != memo_revision_ || memo_.Lines != memo_lines_) {
    memo_revision_ = memo_.Revision;
    memo_lines_ = memo_.Lines;
    ShowLines();
  }
}

}  // namespace qtfe
