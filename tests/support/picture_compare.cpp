#include "support/picture_compare.h"

#include <filesystem>
#include <vector>

#include "support/golden.h"

namespace test {

namespace {

// Pixels near an edge of either picture.
std::vector<bool> EdgeMask(const gfx::Image& a, const gfx::Image& b, int step) {
  const int w = a.Width, h = a.Height;
  std::vector<bool> steep(static_cast<size_t>(w) * static_cast<size_t>(h), false);
  for (const gfx::Image* image : {&a, &b})
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint32_t p = image->At(x, y);
        const bool right = x + 1 < w && MaxChannelDifference(p, image->At(x + 1, y)) > step;
        const bool down = y + 1 < h && MaxChannelDifference(p, image->At(x, y + 1)) > step;
        if (right) steep[static_cast<size_t>(y * w + x)] = steep[static_cast<size_t>(y * w + x + 1)] = true;
        if (down) steep[static_cast<size_t>(y * w + x)] = steep[static_cast<size_t>((y + 1) * w + x)] = true;
      }
  // Widened by one pixel: an edge drawn a pixel further out still lies inside the mask.
  std::vector<bool> mask(steep.size(), false);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!steep[static_cast<size_t>(y * w + x)]) continue;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx >= 0 && nx < w && ny >= 0 && ny < h) mask[static_cast<size_t>(ny * w + nx)] = true;
        }
    }
  return mask;
}

}  // namespace

PictureDifference ComparePictures(const gfx::Image& expected, const gfx::Image& actual,
                                  const PictureTolerance& tolerance) {
  PictureDifference d;
  if (expected.Width != actual.Width || expected.Height != actual.Height) return d;
  const std::vector<bool> edges = EdgeMask(expected, actual, tolerance.EdgeStep);
  for (size_t i = 0; i < edges.size(); ++i) {
    if (edges[i]) continue;
    ++d.Compared;
    const int difference = MaxChannelDifference(expected.Pixels[i], actual.Pixels[i]);
    d.Largest = std::max(d.Largest, difference);
    if (difference > tolerance.Threshold) ++d.Differing;
  }
  return d;
}

namespace {

double Allowed(const gfx::Image& image, const PictureTolerance& tolerance) {
  return tolerance.MaxDifferingShare * static_cast<double>(image.Pixels.size());
}

}  // namespace

bool PicturesAlike(const gfx::Image& expected, const gfx::Image& actual, const PictureTolerance& tolerance) {
  return expected.Width == actual.Width && expected.Height == actual.Height &&
         static_cast<double>(ComparePictures(expected, actual, tolerance).Differing) <= Allowed(expected, tolerance);
}

::testing::AssertionResult LooksAlike(const gfx::Image& expected, const gfx::Image& actual, const std::string& name,
                                      const PictureTolerance& tolerance) {
  if (expected.Width != actual.Width || expected.Height != actual.Height)
    return ::testing::AssertionFailure() << name << ": " << actual.Width << "x" << actual.Height << " against "
                                         << expected.Width << "x" << expected.Height;
  const PictureDifference d = ComparePictures(expected, actual, tolerance);
  const double allowed = Allowed(expected, tolerance);
  if (static_cast<double>(d.Differing) <= allowed) return ::testing::AssertionSuccess();
  const std::vector<bool> edges = EdgeMask(expected, actual, tolerance.EdgeStep);
  gfx::Image diff(expected.Width, expected.Height, 0xFF000000u);
  for (size_t i = 0; i < edges.size(); ++i) {
    if (edges[i]) {
      diff.Pixels[i] = 0xFF000060u;
    } else if (MaxChannelDifference(expected.Pixels[i], actual.Pixels[i]) > tolerance.Threshold) {
      diff.Pixels[i] = 0xFFFF0000u;
    }
  }
  std::filesystem::create_directories("golden-failures");
  gfx::WritePng(expected, "golden-failures/" + name + ".expected.png");
  gfx::WritePng(actual, "golden-failures/" + name + ".actual.png");
  gfx::WritePng(diff, "golden-failures/" + name + ".diff.png");
  return ::testing::AssertionFailure() << name << ": " << d.Differing << " of " << d.Compared
                                       << " pixels away from edges differ by more than " << tolerance.Threshold
                                       << " (largest " << d.Largest << ", allowed " << allowed
                                       << "); see golden-failures/" << name << ".*.png";
}

}  // namespace test
