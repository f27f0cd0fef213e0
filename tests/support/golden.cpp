#include "support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <variant>

#include "platform/gfx/texture_file.h"

namespace test {

namespace {

int Channel(std::uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

}  // namespace

int MaxChannelDifference(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift : {0, 8, 16}) worst = std::max(worst, std::abs(Channel(a, shift) - Channel(b, shift)));
  return worst;
}

gfx::Image Downscale(const gfx::Image& image, int factor) {
  gfx::Image out(image.Width / factor, image.Height / factor);
  for (int y = 0; y < out.Height; ++y)
    for (int x = 0; x < out.Width; ++x) {
      int sum[3] = {0, 0, 0};
      for (int dy = 0; dy < factor; ++dy)
        for (int dx = 0; dx < factor; ++dx) {
          const std::uint32_t p = image.At(x * factor + dx, y * factor + dy);
          for (int c = 0; c < 3; ++c) sum[c] += Channel(p, 8 * c);
        }
      const int n = factor * factor;
      out.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(sum[2] / n) << 16 |
                     static_cast<std::uint32_t>(sum[1] / n) << 8 | static_cast<std::uint32_t>(sum[0] / n);
    }
  return out;
}

std::uint32_t Rgb(const gfx::Image& image, int x, int y) { return image.At(x, y) & 0xFFFFFF; }

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) { return MaxChannelDifference(a, b) <= tolerance; }

::testing::AssertionResult MatchesGolden(const gfx::Image& image, const std::string& name, int tolerance,
                                         int max_bad_pixels) {
  const std::string golden_path = std::string(KORVEL_TEST_DATA) + "/golden/" + name + ".png";
  const char* update = std::getenv("KORVEL_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    if (!gfx::WritePng(image, golden_path)) return ::testing::AssertionFailure() << "cannot write " << golden_path;
    return ::testing::AssertionSuccess();
  }
  const gfx::TextureResult decoded = gfx::LoadTextureFile(golden_path);
  if (!std::holds_alternative<gfx::Image>(decoded))
    return ::testing::AssertionFailure() << "no golden image " << golden_path
                                         << " (run with KORVEL_UPDATE_GOLDEN=1 to make it)";
  const gfx::Image& golden = std::get<gfx::Image>(decoded);
  if (golden.Width != image.Width || golden.Height != image.Height)
    return ::testing::AssertionFailure() << name << ": size " << image.Width << "x" << image.Height
                                         << " against golden " << golden.Width << "x" << golden.Height;
  gfx::Image diff(image.Width, image.Height, 0xFF000000u);
  int bad = 0, worst = 0;
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const int d = MaxChannelDifference(image.At(x, y), golden.At(x, y));
      worst = std::max(worst, d);
      if (d > tolerance) {
        ++bad;
        diff.At(x, y) = 0xFFFF0000u;
      } else {
        const std::uint32_t g = static_cast<std::uint32_t>(Channel(golden.At(x, y), 8) / 4);
        diff.At(x, y) = 0xFF000000u | (g << 16) | (g << 8) | g;
      }
    }
  }
  if (bad <= max_bad_pixels) return ::testing::AssertionSuccess();
  std::filesystem::create_directories("golden-failures");
  gfx::WritePng(image, "golden-failures/" + name + ".actual.png");
  gfx::WritePng(diff, "golden-failures/" + name + ".diff.png");
  return ::testing::AssertionFailure() << name << ": " << bad << " pixels differ by more than " << tolerance
                                       << " (worst " << worst << "); see golden-failures/" << name << ".*.png";
}

}  // namespace test
