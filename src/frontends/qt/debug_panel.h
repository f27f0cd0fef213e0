#pragma once
// The debug panel: a frame floating over the rendering panel with labels and a read-only memo,
// mirroring their components. Shown only while the panel component is visible.
#include <QFrame>
#include <string>
#include <vector>

#include "platform/ui/components.h"

class QLabel;
class QPlainTextEdit;

namespace qtfe {

class DebugPanel final : public QFrame {
 public:
  DebugPanel(const ui::Panel& panel, std::vector<const ui::Label*> labels, const ui::Memo& memo, QWidget* parent);

  // Copies what changed since the last call: visibility, captions, memo lines.
  void Sync();

  QLabel* LabelWidget(size_t index) const { return index < labels_.size() ? labels_[index].Widget : nullptr; }
  QPlainTextEdit* MemoWidget() const { return memo_widget_; }

 private:
  struct MirroredLabel {
    const ui::Label* Component;
    QLabel* Widget;
    std::string Shown;
  };

  void ShowCaption(MirroredLabel& label);
  void ShowLines();

  const ui::Panel& panel_;
  std::vector<MirroredLabel> labels_;
  const ui::Memo& memo_;
  QPlainTextEdit* memo_widget_;
  unsigned memo_revision_;
  std::vector<std::string> memo_lines_;
};

}  // namespace qtfe
