#pragma once
// The millisecond clock the frame-rate measurement reads: 32 bits that wrap after about 49.7 days.
#include <cstdint>

namespace os {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start, modulo 2^32.
  virtual std::uint32_t NowMs() = 0;
};

// The system's monotonic clock.
class SystemClock final : public Clock {
 public:
  std::uint32_t NowMs() override;
};

// A clock that moves only when told to: tests and the headless driver.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(std::uint32_t start = 0) : now_(start) {}
  std::uint32_t NowMs() override { return now_; }
  void Set(std::uint32_t ms) { now_ = ms; }
  // Unsigned: wraps past 2^32 exactly as the real clock does.
  void Advance(std::uint32_t ms) { now_ += ms; }

 private:
  std::uint32_t now_;
};

}  // namespace os
