#pragma once
// A started viewer with its Qt front end, in a temporary current directory, with a manual clock and
// hooks that record instead of opening boxes or handlers.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/viewer.h"
#include "frontends/qt/front_end.h"
#include "frontends/qt/main_window.h"
#include "platform/os/clock.h"
#include "qt/qstring_print.h"
#include "support/temp_dir.h"

namespace qttest {

struct BoxRecord {
  std::string Text, Caption;
  unsigned Style;
};

class ViewerFixture : public ::testing::Test {
 protected:
  ~ViewerFixture() override;

  // Starts the viewer (with develop.txt in its folder when develop is set) and builds the window.
  void StartViewer(bool develop);
  // Shows the window and starts the status timer and the idle loop.
  void ShowWindow();

  Viewer& GetViewer() { return *viewer_; }
  TForm1& Form() { return *viewer_->Form1; }
  qtfe::FrontEnd& Front() { return *front_; }
  qtfe::MainWindow& Window() { return front_->Window(); }

  test::TempDir dir_;
  os::ManualClock clock_;
  std::vector<std::string> errors_;
  std::vector<BoxRecord> boxes_;
  std::vector<std::string> opened_;
  // Runs inside every idle pass (through the application's ProcessMessages).
  std::function<void()> in_pass_;

 private:
  std::unique_ptr<test::CurrentDirScope> cwd_;
  std::unique_ptr<Viewer> viewer_;
  std::unique_ptr<qtfe::FrontEnd> front_;
};

// Processes events until the condition holds or the time is up; returns the condition.
bool WaitUntil(const std::function<bool()>& condition, int timeout_ms = 3000);

}  // namespace qttest
