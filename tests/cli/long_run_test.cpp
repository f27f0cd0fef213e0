// A long run of the headless viewer: over a thousand frames in demo mode, hundreds of scene switches and
// grabs, the millisecond clock and the frame counter wrapping around on the way. Nothing may leak and
// memory must not grow from one hundred switches to the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

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

// The run's length in scene switches; KORVEL_LONG_RUN_SWITCHES makes it longer by hand.
int Switches() {
  const char* text = std::getenv("KORVEL_LONG_RUN_SWITCHES");
  return std::max(text != nullptr ? std::atoi(text) : 0, 200);
}

constexpr int kFramesPerSwitch = 6;
constexpr std::uint32_t kClockStart = 0xFFFFFFFFu - 8000;  // wraps after some 500 passes of 16 ms
constexpr std::uint32_t kFramesBeforeWrap = 300;
// What one hundred switches may add: no more than a few strings' worth of noise.
constexpr std::size_t kAllowedGrowth = 64 * 1024;

TEST(LongRun, HundredsOfSwitchesWithoutLeakOrGrowth) {
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
    // The background costs more to draw than all the rest: it is on for one switch in ten.
    ASSERT_TRUE(session.ClickMenu("BackMenu"));

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
      if (k % 10 == 0 || k % 10 == 1) session.ClickMenu("BackMenu");
      if (k == 100) at_100 = AllocatedBytes();
      if (k == 200) at_200 = AllocatedBytes();
    }
    // A stretch without scene changes (each restarts the frame-time measurement) ends the run.
    ASSERT_TRUE(session.ClickMenu("DemoMenu"));
    session.Idle(50);
    EXPECT_TRUE(session.Errors().empty()) << session.Errors().front();
    ::testing::Test::RecordProperty("bytes_after_switch_100", std::to_string(at_100));
    ::testing::Test::RecordProperty("bytes_after_switch_200", std::to_string(at_200));
    EXPECT_LT(at_200, at_100 + kAllowedGrowth) << "after switch 100: " << at_100 << " bytes, after 200: " << at_200;
    // Both counters wrapped, and frame times measured after the wrap are those of 16 ms passes.
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
