#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "frontends/cli/headless.h"
#include "overlay/button_bar.h"
#include "platform/gfx/dds_writer.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace {

constexpr std::uint32_t kButton[5] = {0xFF2060C0, 0xFF2080C0, 0xFF20A0C0, 0xFF20C0C0, 0xFF20E0C0};
constexpr std::uint32_t kHighlight[5] = {0xFFE04020, 0xFFE06020, 0xFFE08020, 0xFFE0A020, 0xFFE0C020};

class ButtonBar : public ::testing::Test {
 protected:
  ButtonBar() {
    for (int i = 0; i < 5; ++i) {
      root.Write("sys/" + std::to_string(i + 1) + ".dds", gfx::EncodeDds(gfx::Image(32, 32, kButton[i])));
      root.Write("sys/" + std::to_string(i + 1) + "h.dds", gfx::EncodeDds(gfx::Image(32, 32, kHighlight[i])));
    }
    session.Start();
  }
  // The frame drawn with the cursor at panel position (x, y).
  gfx::Image FrameWithCursorAt(int x, int y) {
    session.MoveCursor(x, y);
    session.Idle(1);
    return session.LastFrame();
  }

  test::TempDir root;
  test::CurrentDirScope cwd{root.Path()};
  cli::HeadlessSession session;
};

TEST_F(ButtonBar, RowArithmeticAndStripEdges) {
  struct Case {
    int x, y, row;
  };
  const Case cases[] = {
      {620, 20, 0},  {620, 14, 0},  {620, 0, 0},   {620, 54, 0},  {620, 55, 1},   {620, 214, 4},
      {620, 250, 5}, {620, -30, -1}, {601, 30, 0}, {639, 30, 0},  {600, 30, kNoButtonRow},
      {640, 30, kNoButtonRow}, {0, 30, kNoButtonRow}, {620, 100000, 2499},
  };
  for (const Case& c : cases) {
    session.MoveCursor(c.x, c.y);
    EXPECT_EQ(UpdateButtonBar(session.GetViewer()), c.row) << c.x << "," << c.y;
  }
}

TEST_F(ButtonBar, ShowsInTheStripWithTheButtonUnderTheCursorHighlighted) {
  const gfx::Image frame = FrameWithCursorAt(620, 20);
  // Button i covers x 604..635 and y 40i + 14 .. 40i + 45.
  EXPECT_EQ(frame.At(604, 14), kHighlight[0]);
  EXPECT_EQ(frame.At(635, 45), kHighlight[0]);
  EXPECT_EQ(frame.At(603, 30), 0xFF505064u);
  EXPECT_EQ(frame.At(636, 30), 0xFF505064u);
  EXPECT_EQ(frame.At(620, 46), 0xFF505064u);
  for (int i = 1; i < 5; ++i) EXPECT_EQ(frame.At(620, 40 * i + 30), kButton[i]) << i;
  EXPECT_TRUE(test::MatchesGolden(frame, "button_bar_row0"));

  const gfx::Image third = FrameWithCursorAt(630, 100);  // row 2
  EXPECT_EQ(third.At(620, 110), kHighlight[2]);
  EXPECT_EQ(third.At(620, 30), kButton[0]);

  const gfx::Image below = FrameWithCursorAt(620, 250);  // row 5: no button highlighted
  for (int i = 0; i < 5; ++i) EXPECT_EQ(below.At(620, 40 * i + 30), kButton[i]) << i;

  for (const int x : {600, 640, 300}) {
    const gfx::Image outside = FrameWithCursorAt(x, 30);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(outside.At(620, 40 * i + 30), 0xFF505064u) << x;
  }
}

TEST_F(ButtonBar, MovingASpriteRewritesOnlyItsCorners) {
  My2DOBJ& sprite = *session.GetViewer().State.ButtonSprites[0];
  const SpriteQuad& quad_template = session.GetViewer().State.SpriteMoveQuad;
  sprite.CenterAt(quad_template, 620, 30);
  sprite.CenterAt(quad_template, 100.5f, 7.25f);
  sprite.CenterAt(quad_template, 620, 30);
  SpriteQuad corners;
  std::memcpy(corners.data(), sprite.VertexBuffer->Data(), sizeof corners);
  const float expected[4][2] = {{604, 14}, {636, 14}, {604, 46}, {636, 46}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(corners[static_cast<size_t>(i)].x, expected[i][0]);
    EXPECT_EQ(corners[static_cast<size_t>(i)].y, expected[i][1]);
    EXPECT_EQ(corners[static_cast<size_t>(i)].z, 0.5f);
    EXPECT_EQ(corners[static_cast<size_t>(i)].rhw, 1.0f);
  }
  EXPECT_EQ(sprite.PosX, 32);
  EXPECT_EQ(sprite.PosY, 32);
  EXPECT_EQ(sprite.Width, 32);
}

TEST_F(ButtonBar, SpritesWithoutArtStillHaveTheirQuads) {
  // The logo file is missing: the sprite is created untextured and drawn in white.
  const ViewerState& s = session.GetViewer().State;
  EXPECT_TRUE(s.LogoSprite->Created);
  EXPECT_EQ(s.LogoSprite->Texture, nullptr);
  EXPECT_NE(s.ButtonSprites[4]->Texture, nullptr);
  session.ClickMenu("DemoMenu");
  session.Idle(1);
  EXPECT_EQ(session.LastFrame().At(120, 390), 0xFFFFFFFFu);  // the logo's centre
}

}  // namespace
