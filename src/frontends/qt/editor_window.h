#pragma once
// The environment editor window, mirroring TForm2: a top-level window with its tabs, edit fields,
// labels, buttons and grids at the form's places. Typing changes the components' texts, a button
// click runs its handler through the front end, and closing the window only hides the form.
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/components.h"

class TForm2;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace qtfe {

class GridMirror;

class EditorWindow final : public QWidget {
 public:
  // Runs a handler of the logic and brings every window up to date afterwards.
  using Runner = std::function<void(const std::function<void()>& handler)>;

  EditorWindow(TForm2& form, Runner run);

  // Copies what changed in the components since the last call.
  void Sync();

  QTabWidget* Pages() const { return pages_; }
  // The widget that shows the component; nothing for a component not shown by this window.
  QWidget* WidgetFor(const ui::Component& component) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct MirroredLabel {
    const ui::Label* Component;
    QLabel* Widget;
    std::string Shown;
  };
  struct MirroredEdit {
    ui::Edit* Component;
    QLineEdit* Widget;
    std::string Shown;
  };

  QWidget* ParentFor(const ui::Control& control);
  void Add(ui::Control& control);
  static void ShowLabel(MirroredLabel& label);

  TForm2& form_;
  Runner run_;
  std::string title_;
  QTabWidget* pages_ = nullptr;
  std::map<const ui::Control*, QWidget*> widgets_;
  std::vector<MirroredLabel> labels_;
  std::vector<MirroredEdit> edits_;
  std::vector<GridMirror*> grids_;
};

}  // namespace qtfe
