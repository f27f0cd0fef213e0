#include "qt/viewer_fixture.h"

#include <QTest>

#include "platform/gfx/driver.h"

namespace qttest {

ViewerFixture::~ViewerFixture() {
  // The window goes before the viewer it mirrors; the folder is left before it is removed.
  front_.reset();
  viewer_.reset();
  cwd_.reset();
}

void ViewerFixture::StartViewer(bool develop) {
  if (develop) dir_.Write("develop.txt", "");
  cwd_ = std::make_unique<test::CurrentDirScope>(dir_.Path());

  Platform platform;
  platform.Clock = &clock_;
  platform.CreateDriver = [](unsigned version) { return gfx::CreateDriver(version, false); };  // pictures from the reference device
  viewer_ = std::make_unique<Viewer>(platform);
  ui::Application& app = viewer_->Application;
  app.ShowErrorHook = [this](const std::string& text) { errors_.push_back(text); };
  app.MessageBoxHook = [this](const std::string& text, const std::string& caption, unsigned style) {
    boxes_.push_back({text, caption, style});
    return 1;
  };
  app.ShellOpenHook = [this](const std::string& file) { opened_.push_back(file); };
  app.ProcessMessagesHook = [this] {
    if (in_pass_) in_pass_();
  };
  viewer_->Start();
  front_ = std::make_unique<qtfe::FrontEnd>(*viewer_);
}

void ViewerFixture::ShowWindow() {
  front_->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
}

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms) {
  return QTest::qWaitFor(condition, timeout_ms);
}

}  // namespace qttest
