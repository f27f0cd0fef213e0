#include "platform/os/clock.h"

#include <chrono>

namespace os {

std::uint32_t SystemClock::NowMs() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  // Through an unsigned type so that the truncation is a plain modulo 2^32 whatever the sign.
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms.count()));
}

}  // namespace os
