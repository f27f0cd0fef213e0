#pragma once
// Two devices' pictures of one scene compared: they may put an edge a pixel apart, but away from
// the edges of what they show they must agree. An edge pixel is one whose colour steps by more than
// the edge step from a neighbour's, in either picture, or lies next to such a pixel; the differing
// pixels are counted everywhere else. A wrong culling sense, a mirrored picture, a missing specular
// term or wrong blending or depth changes whole surfaces and fails; a one-pixel shift of an edge
// does not.
#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/image.h"

namespace test {

struct PictureDifference {
  int Compared = 0;   // pixels away from the edges
  int Differing = 0;  // of those, pixels differing by more than the threshold in a channel
  int Largest = 0;    // the largest channel difference away from the edges
};

struct PictureTolerance {
  int Threshold = 24;  // per channel
  int EdgeStep = 24;   // per channel, between neighbours: a step a one-pixel shift could turn into a difference
  double MaxDifferingShare = 0.002;
};

PictureDifference ComparePictures(const gfx::Image& expected, const gfx::Image& actual, const PictureTolerance& tolerance);

// Whether the pictures have one size and the share of differing pixels is within the tolerance.
bool PicturesAlike(const gfx::Image& expected, const gfx::Image& actual, const PictureTolerance& tolerance = {});

// Success when the pictures have one size and the share of differing pixels is within the tolerance.
// A failure writes both pictures and the difference (red: differing, blue: edge) into
// golden-failures/name.*.png.
::testing::AssertionResult LooksAlike(const gfx::Image& expected, const gfx::Image& actual, const std::string& name,
                                      const PictureTolerance& tolerance = {});

}  // namespace test
