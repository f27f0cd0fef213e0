#pragma once
// A second thread for the reference device: while the calling thread rasterises the upper band of
// the picture, the worker rasterises the lower one. Each pixel belongs to exactly one band and is
// drawn in the same order as on one thread, so pictures do not depend on the split.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace gfx::reference {

class BandWorker {
 public:
  BandWorker();
  ~BandWorker();
  BandWorker(const BandWorker&) = delete;
  BandWorker& operator=(const BandWorker&) = delete;

  // Runs first on this thread and second on the worker, and returns when both are done.
  void RunBoth(const std::function<void()>& first, const std::function<void()>& second);

 private:
  void Loop();

  std::mutex mutex_;
  std::condition_variable wake_, done_;
  const std::function<void()>* job_ = nullptr;
  bool busy_ = false;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace gfx::reference
