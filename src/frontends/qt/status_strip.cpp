#include "frontends/qt/status_strip.h"

#include <QLabel>
#include <algorithm>

#include "frontends/qt/qt_text.h"

namespace qtfe {

StatusStrip::StatusStrip(const ui::StatusBar& bar, QWidget* parent) : QWidget(parent), bar_(bar) {
  setGeometry(bar.Left, bar.Top, bar.Width, bar.Height);
  int x = 0;
  for (const ui::StatusPanel& panel : bar.Panels) {
    auto* section = new QLabel(this);
    section->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    section->setIndent(2);
    section->setGeometry(x, 0, panel.Width, bar.Height);
    section->setText(ToQString(panel.Text));
    sections_.push_back(section);
    shown_.push_back(panel.Text);
    x += panel.Width;
  }
}

void StatusStrip::Sync() {
  // The panel list is fixed at design time; only texts change.
  const size_t count = std::min(sections_.size(), bar_.Panels.size());
  for (size_t i = 0; i < count; ++i) {
    const std::string& text = bar_.Panels[i].Text;
    if (text == shown_[i]) continue;
    shown_[i] = text;
    sections_[i]->setText(ToQString(text));
  }
}

QLabel* StatusStrip::Section(int index) const {
  return index >= 0 && index < SectionCount() ? sections_[static_cast<size_t>(index)] : nullptr;
}

}  // namespace qtfe
