#pragma once
// The bar of five scene buttons at the right edge of the rendering panel.

class Viewer;

inline constexpr int kNoButtonRow = 99;

// Draws the bar, with the button under the cursor highlighted, while the cursor's x lies in the bar's
// strip, and returns the row under the cursor; kNoButtonRow outside the strip. The cursor is the
// window system's, measured from the main window's outer left edge and from the bottom of its frame
// less the client height.
int UpdateButtonBar(Viewer& viewer);
