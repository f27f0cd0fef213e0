#include "support/picture_compare.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gfx/reference/reference_device.h"
#include "support/device_scenes.h"
#include "support/faulty_device.h"

namespace {

gfx::Image Draw(const std::string& name, const test::Fault* fault = nullptr) {
  const test::DeviceScene& scene = test::SceneNamed(name);
  auto d = gfx::ReferenceDevice::Create(scene.Width, scene.Height);
  if (fault != nullptr) {
    test::FaultyDevice faulty(*d, *fault);
    scene.Draw(faulty);
  } else {
    scene.Draw(*d);
  }
  return d->BackBuffer();
}

gfx::Image Shifted(const gfx::Image& image, int dx, int dy) {
  gfx::Image out = image;
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      out.At(x, y) = image.At(std::clamp(x - dx, 0, image.Width - 1), std::clamp(y - dy, 0, image.Height - 1));
  return out;
}

gfx::Image Mirrored(const gfx::Image& image) {
  gfx::Image out = image;
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x) out.At(x, y) = image.At(image.Width - 1 - x, y);
  return out;
}

// The comparison the OpenGL device is judged by: it lets edges move by a pixel, and catches each
// fault a device could plausibly have.
TEST(PictureCompare, AcceptsEdgesAPixelApartAndRejectsEachPipelineFault) {
  for (const char* name : {"lit_sphere", "translucent_sphere", "near_plane_floor", "sprite", "depth"}) {
    const gfx::Image picture = Draw(name);
    EXPECT_TRUE(test::LooksAlike(picture, picture, name));
    EXPECT_TRUE(test::LooksAlike(picture, Shifted(picture, 1, 0), name)) << "shifted right";
    EXPECT_TRUE(test::LooksAlike(picture, Shifted(picture, 0, -1), name)) << "shifted up";
  }
  struct Case {
    const char* scene;
    test::Fault fault;
  };
  for (const Case c : {Case{"lit_sphere", test::Fault::CullingReversed}, Case{"lit_sphere", test::Fault::NoSpecular},
                       Case{"point_light", test::Fault::NoSpecular}, Case{"translucent_sphere", test::Fault::NoBlending},
                       Case{"blend", test::Fault::NoBlending}, Case{"depth", test::Fault::NoDepthTest},
                       Case{"culling", test::Fault::CullingReversed}}) {
    const gfx::Image faulty = Draw(c.scene, &c.fault);
    EXPECT_FALSE(test::PicturesAlike(Draw(c.scene), faulty))
        << c.scene << " fault " << static_cast<int>(c.fault);
  }
  const gfx::Image sphere = Draw("lit_sphere");
  EXPECT_FALSE(test::PicturesAlike(sphere, Mirrored(sphere)));
}

}  // namespace
