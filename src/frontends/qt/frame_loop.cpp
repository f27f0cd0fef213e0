#include "frontends/qt/frame_loop.h"

namespace qtfe {

FrameLoop::FrameLoop(std::function<bool()> pass, QObject* parent) : QObject(parent), pass_(std::move(pass)) {
  timer_.setInterval(0);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &FrameLoop::RunPass);
}

void FrameLoop::Start() {
  running_ = true;
  parked_ = false;
  if (!in_pass_) timer_.start();
}

void FrameLoop::Stop() {
  running_ = false;
  parked_ = false;
  timer_.stop();
}

void FrameLoop::Wake() {
  if (!running_ || !parked_ || in_pass_) return;
  parked_ = false;
  timer_.start();
}

void FrameLoop::RunPass() {
  // The timer is single-shot and restarted only after the pass, so a modal box opened inside a pass
  // (an error display) does not start another pass from its own event loop.
  in_pass_ = true;
  const bool done = pass_();
  in_pass_ = false;
  if (!running_) return;
  if (done)
    parked_ = true;
  else
    timer_.start();
}

}  // namespace qtfe
