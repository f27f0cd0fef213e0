#include "overlay/button_bar.h"

#include <cstdint>

#include "app/Unit1.h"
#include "app/viewer.h"

namespace {
constexpr int kStripLeft = 600, kStripRight = 640;  // exclusive on both sides
constexpr int kRowTop = 15, kRowHeight = 40;
constexpr float kButtonX = 620.0f, kFirstButtonY = 30.0f;
}  // namespace

int UpdateButtonBar(Viewer& viewer) {
  ViewerState& s = viewer.State;
  const TForm1& form = *viewer.Form1;
  const ui::Point cursor = viewer.Application.CursorPos();
  // 64-bit so that no cursor position, however far off, overflows.
  const std::int64_t x = std::int64_t{cursor.X} - form.Left;
  const std::int64_t y = std::int64_t{cursor.Y} - (std::int64_t{form.Top} + form.Height - form.ClientHeight);
  const std::int64_t row = (y - kRowTop) / kRowHeight;  // truncates towards zero
  if (x <= kStripLeft || x >= kStripRight) return kNoButtonRow;
  gfx::Device* device = s.GetDevice();
  for (int i = 0; i < 5; ++i) {
    My2DOBJ* sprite = (i == row ? s.HighlightSprites : s.ButtonSprites)[static_cast<size_t>(i)].get();
    if (sprite == nullptr || device == nullptr) continue;
    sprite->CenterAt(s.SpriteMoveQuad, kButtonX, kFirstButtonY + static_cast<float>(kRowHeight * i));
    sprite->Draw(*device);
  }
  return static_cast<int>(row);  // |row| <= 2^33 / 40: always an int
}
