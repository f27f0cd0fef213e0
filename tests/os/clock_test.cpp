#include "platform/os/clock.h"

#include <gtest/gtest.h>

namespace {

TEST(OsClock, ManualClockWrapsLikeTheSystemClock) {
  os::ManualClock clock(0xFFFFFFF0u);
  const std::uint32_t before = clock.NowMs();
  clock.Advance(0x20);
  EXPECT_EQ(clock.NowMs(), 0x10u);
  EXPECT_EQ(clock.NowMs() - before, 0x20u);  // elapsed time survives the wrap
  clock.Set(5);
  EXPECT_EQ(clock.NowMs(), 5u);
}

TEST(OsClock, SystemClockDoesNotGoBackwards) {
  os::SystemClock clock;
  const std::uint32_t a = clock.NowMs();
  const std::uint32_t b = clock.NowMs();
  EXPECT_LT(b - a, 1000u);
}

}  // namespace
