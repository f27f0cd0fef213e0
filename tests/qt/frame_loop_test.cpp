// The idle loop: passes back to back until one reports Done, then nothing until woken.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <algorithm>

#include "frontends/qt/frame_loop.h"

namespace qttest {
namespace {

TEST(FrameLoopTest, ParksOnDoneUntilWoken) {
  int passes = 0;
  bool done = false;
  qtfe::FrameLoop loop([&] {
    ++passes;
    return done;
  }, nullptr);
  loop.Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return passes >= 3; }));

  done = true;
  ASSERT_TRUE(QTest::qWaitFor([&] { return loop.Parked(); }));
  const int parked_at = passes;
  QTest::qWait(30);
  EXPECT_EQ(passes, parked_at);

  loop.Wake();
  ASSERT_TRUE(QTest::qWaitFor([&] { return passes == parked_at + 1; }));
  QTest::qWait(30);
  EXPECT_EQ(passes, parked_at + 1);  // still Done: parked again after one pass

  done = false;
  loop.Wake();
  ASSERT_TRUE(QTest::qWaitFor([&] { return passes >= parked_at + 5; }));

  loop.Stop();
  QCoreApplication::processEvents();
  const int stopped_at = passes;
  loop.Wake();
  QTest::qWait(30);
  EXPECT_EQ(passes, stopped_at);
}

TEST(FrameLoopTest, NoPassStartsInsideANestedEventLoop) {
  // A pass that opens a modal loop (as an error box does) must not be re-entered from it.
  int depth = 0, deepest = 0, passes = 0;
  qtfe::FrameLoop loop([&] {
    ++passes;
    ++depth;
    deepest = std::max(deepest, depth);
    if (passes == 1) QTest::qWait(50);  // processes events like a modal box would
    --depth;
    return false;
  }, nullptr);
  loop.Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return passes >= 3; }));
  loop.Stop();
  EXPECT_EQ(deepest, 1);
}

}  // namespace
}  // namespace qttest
