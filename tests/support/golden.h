#pragma once
// Pictures compared with small golden images kept in tests/data/golden. A mismatch writes the picture
// and a difference image into golden-failures/ beside the test's working directory. Setting
// KORVEL_UPDATE_GOLDEN=1 writes the pictures as the new golden images instead.
#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/image.h"

namespace test {

// Each channel may differ by up to tolerance; at most max_bad_pixels pixels may differ by more.
::testing::AssertionResult MatchesGolden(const gfx::Image& image, const std::string& name, int tolerance = 2,
                                         int max_bad_pixels = 0);

// The image reduced by a whole factor, each pixel the mean of a factor x factor block: a whole frame
// as a golden image small enough to keep.
gfx::Image Downscale(const gfx::Image& image, int factor);

// The colour at (x, y) as 0xRRGGBB.
std::uint32_t Rgb(const gfx::Image& image, int x, int y);

// The largest difference of the red, green and blue channels of two colours.
int MaxChannelDifference(std::uint32_t a, std::uint32_t b);

// True when each channel of a and b (0xRRGGBB) differs by at most tolerance.
bool Near(std::uint32_t a, std::uint32_t b, int tolerance);

}  // namespace test
