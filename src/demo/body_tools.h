#pragma once
// Small functions the creature shapes and skins are written with.
#include "platform/gfx/math.h"

namespace demo {

// The unit vector of (x, y, z).
gfx::Vec3 Dir(float x, float y, float z);

// A lump on a body: 1 in the direction axis, falling off with the angle from it. sigma_side is the
// angular width across the horizontal, sigma_front front to back; sharpness > 1 gives flatter tops
// and steeper flanks (ears, fingers) where 1 is a plain Gaussian.
float Lump(gfx::Vec3 direction, gfx::Vec3 axis, float sigma_side, float sigma_front, float sharpness = 1.0f);

// y unchanged above floor; below it, squeezed by `keep` (0 flat .. 1 unchanged), with a smooth
// transition of the given width: a soft base to stand on.
float SoftFloor(float y, float floor, float keep, float width);

}  // namespace demo
