// A long run of the headless viewer: thousands of frames in demo mode, hundreds of scene switches and
// grabs, the millisecond clock and the frame counter wrapping around on the way. Nothing may leak and
// memory must not grow from one hundred switches to the next.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "app/Unit1.h"
#include "frontends/cli/headless.h"
#include "support/small_demo.h"
#include "support/temp_dir.h"
#include "support/viewer_tour.h"

#if defined(__SANITIZE_ADDRESS__)
#define KORVEL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVEL_ASAN 1
#endif
#endif

#if KORVEL_ASAN
#include <sanitizer/lsan_interface.h>
// The sanitizer allocator's count of bytes in use (gcc ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// Heap bytes in use now: the sanitizer allocator's count under the address sanitizer, malloc's otherwise.
std::size_t AllocatedBytes() {
#if KORVEL_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

// The run's length; KORVEL_LONG_RUN_SWITCHES makes it longer (or shorter) by hand.
int Switches() {
  const char* text = std::getenv("KORVEL_LONG_RUN_SWITCHES");
  const int n = text != nullptr ? std::atoi(text) : 0;
  return n >= 200 ? n : 300;
}

constexpr int kFramesPerSwitch = 15;
constexpr std::uint32_t kClockStart = 0xFFFFFFFFu - 20000;  // wraps after some 1250 passes of 16 ms
constexpr std::uint32_t kFramesBeforeWrap = 600;
// What one hundred switches may add: no more than a few strings' worth of noise.
constexpr std::size_t kAllowedGrowth = 64 * 1024;

TEST(LongRun, ThousandsOfFramesAndHundredsOfSwitchesWithoutLeakOrGrowth) {
  const int switches = Switches();
  test::TempDir root;
  test::CopySmallDemo(root.Path());
  {
    test::CurrentDirScope cwd(root.Path());
    cli::HeadlessOptions options;
    options.ClockStart = kClockStart;
    cli::HeadlessSession session(options);
    session.Start();
    ViewerState& s = session.GetViewer().State;
    s.FrameCount = s.FpsBaseFrame = 0xFFFFFFFFu - kFramesBeforeWrap;
    ASSERT_TRUE(session.ClickMenu("DemoMenu"));

    std::size_t at_100 = 0, at_200 = 0;
    for (int k = 1; k <= switches; ++k) {
      // Scene 10, 20, then every third time a keypad scene that does not exist and the group's first.
      if (k % 3 == 0) {
        session.KeyUp(ui::key::Numpad(4), 0);
        session.Idle(1);
        session.KeyUp(ui::key::Numpad(0), 0);
      } else {
        session.KeyUp(ui::key::F(k % 3), 0);
      }
      session.Idle(kFramesPerSwitch);
      if (k % 5 == 0) test::GrabControlPoint(session, 1 + k % 3);
      if (k % 50 == 0) session.ClickMenu("OptionDebug");
      if (k == 100) at_100 = AllocatedBytes();
      if (k == 200) at_200 = AllocatedBytes();
    }
    EXPECT_TRUE(session.Errors().empty()) << session.Errors().front();
    EXPECT_LT(at_200, at_100 + kAllowedGrowth) << "after switch 100: " << at_100 << " bytes, after 200: " << at_200;
    // Both counters wrapped, and frame times measured across the wrap stay those of 16 ms passes.
    EXPECT_LT(session.Clock().NowMs(), kClockStart);
    EXPECT_LT(s.FrameCount, static_cast<std::uint32_t>(switches * (kFramesPerSwitch + 4)));
    EXPECT_TRUE(std::isfinite(s.FrameTime));
    EXPECT_NEAR(s.FrameTime, 0.016f, 0.002f);
    EXPECT_TRUE(session.ShortCut(ui::CtrlKey('Q')));
    EXPECT_TRUE(session.Closed());
  }
#if KORVEL_ASAN
  EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
#endif
}

}  // namespace
