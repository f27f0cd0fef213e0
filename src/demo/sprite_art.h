#pragma once
// The shared screen art of the sys folder: the mark on control point 0, the hover cursor, the logo,
// the scene buttons and the gloss laid over faces during lively motions.
#include "platform/gfx/image.h"

namespace demo {

// sys/mozaik.dds, drawn 200 x 200 on control point 0 every frame: a small glowing sparkle, the rest
// of the square transparent.
gfx::Image MarkerSparkleArt();
// sys/cursor2.dds, 50 x 50: a ring shown on a control point under the mouse.
gfx::Image HoverRingArt();
// sys/logo.dds, 256 x 256: "KORVEL VIEW" on a translucent plate.
gfx::Image LogoArt();
// sys/<digit>.dds and sys/<digit>h.dds, 32 x 32: the scene buttons, plain and highlighted.
gfx::Image ButtonArt(int digit, bool highlighted);
// sys/multi1.dds: a sheen with twinkles, partly transparent, blended over face textures.
gfx::Image GlossArt();

}  // namespace demo
