#pragma once
// The status bar: a row of fixed-width sections mirroring a StatusBar component's panels.
#include <QWidget>
#include <string>
#include <vector>

#include "platform/ui/components.h"

class QLabel;

namespace qtfe {

class StatusStrip final : public QWidget {
 public:
  StatusStrip(const ui::StatusBar& bar, QWidget* parent);

  // Copies texts that changed since the last call.
  void Sync();

  int SectionCount() const { return static_cast<int>(sections_.size()); }
  QLabel* Section(int index) const;

 private:
  const ui::StatusBar& bar_;
  std::vector<QLabel*> sections_;
  std::vector<std::string> shown_;
};

}  // namespace qtfe
