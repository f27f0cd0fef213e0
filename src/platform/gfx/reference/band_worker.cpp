#include "platform/gfx/reference/band_worker.h"

namespace gfx::reference {

BandWorker::BandWorker() : thread_([this] { Loop(); }) {}

BandWorker::~BandWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void BandWorker::RunBoth(const std::function<void()>& first, const std::function<void()>& second) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    job_ = &second;
    busy_ = true;
  }
  wake_.notify_one();
  first();
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [this] { return !busy_; });
}

void BandWorker::Loop() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || busy_; });
    if (stop_) return;
    const std::function<void()>* job = job_;
    lock.unlock();
    (*job)();
    lock.lock();
    busy_ = false;
    job_ = nullptr;
    done_.notify_one();
  }
}

}  // namespace gfx::reference
