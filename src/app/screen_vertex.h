#pragma once
// The vertex of every screen-space quad: a position already transformed to the panel and one texture
// coordinate pair (24 bytes).

struct ScreenVertex {
  float x, y, z, rhw, u, v;
};
static_assert(sizeof(ScreenVertex) == 24);
