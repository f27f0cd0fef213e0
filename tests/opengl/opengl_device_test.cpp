#include "platform/gfx/opengl/opengl_device.h"

#include <gtest/gtest.h>

#include "gfx/draw_fixture.h"
#include "platform/gfx/driver.h"
#include "platform/gfx/opengl/shaders.h"
#include "platform/gfx/reference/reference_device.h"
#include "support/device_scenes.h"
#include "support/picture_compare.h"

namespace {

using gfx::VertexProcessing;

constexpr VertexProcessing kBothKinds[] = {VertexProcessing::Gpu, VertexProcessing::Cpu};

const char* NameOf(VertexProcessing v) { return v == VertexProcessing::Gpu ? "gpu" : "cpu"; }

gfx::PresentParameters Params(unsigned width, unsigned height, gfx::PresentTarget* window = nullptr) {
  gfx::PresentParameters p;
  p.BackBufferWidth = width;
  p.BackBufferHeight = height;
  p.DeviceWindow = window;
  return p;
}

std::unique_ptr<gfx::OpenGLDevice> MakeOpenGL(unsigned width, unsigned height, VertexProcessing v,
                                              gfx::PresentTarget* window = nullptr) {
  auto d = gfx::OpenGLDevice::Create(Params(width, height, window), v);
  EXPECT_TRUE(d) << "no OpenGL 3.3 core context (Mesa's llvmpipe through EGL surfaceless is expected)";
  return d;
}

struct Window final : gfx::PresentTarget {
  void ShowFrame(const gfx::Image& frame) override {
    Frame = frame;
    ++Presents;
  }
  gfx::Image Frame;
  int Presents = 0;
};

// Each shared scene, drawn by the reference device and by both kinds of OpenGL device.
TEST(OpenGLDevice, EverySceneLooksLikeTheReferenceDevicesPicture) {
  for (const test::DeviceScene& scene : test::DeviceScenes()) {
    auto reference = gfx::ReferenceDevice::Create(Params(scene.Width, scene.Height));
    scene.Draw(*reference);
    for (const VertexProcessing v : kBothKinds) {
      auto d = MakeOpenGL(scene.Width, scene.Height, v);
      ASSERT_TRUE(d);
      scene.Draw(*d);
      EXPECT_TRUE(test::LooksAlike(reference->BackBuffer(), d->BackBuffer(), scene.Name + "_opengl_" + NameOf(v)));
    }
  }
}

// Exact where nothing is left to rounding: sprite texels one to one, and the culling sense.
TEST(OpenGLDevice, SpriteTexelsAndCullingMatchThePixel) {
  for (const char* name : {"sprite", "culling"}) {
    const test::DeviceScene& scene = test::SceneNamed(name);
    auto reference = gfx::ReferenceDevice::Create(Params(scene.Width, scene.Height));
    scene.Draw(*reference);
    for (const VertexProcessing v : kBothKinds) {
      auto d = MakeOpenGL(scene.Width, scene.Height, v);
      ASSERT_TRUE(d);
      scene.Draw(*d);
      EXPECT_EQ(d->BackBuffer().Pixels, reference->BackBuffer().Pixels) << name << " " << NameOf(v);
    }
  }
}

TEST(OpenGLDevice, HostileDrawCallsAreRefusedOrHarmless) {
  for (const VertexProcessing v : kBothKinds) {
    auto d = MakeOpenGL(32, 32, v);
    ASSERT_TRUE(d);
    test::ExpectHostileDrawsRefused(*d);
  }
}

// The model's buffers are locked and rewritten every frame: each draw shows the latest contents.
TEST(OpenGLDevice, ABufferRewrittenInPlaceDrawsItsNewContents) {
  for (const VertexProcessing v : kBothKinds) {
    auto d = MakeOpenGL(64, 32, v);
    ASSERT_TRUE(d);
    auto buffer = test::Upload(*d, std::vector<test::ScreenVertex>{{0, 0, 0.5f, 1, 0, 0}, {16, 0, 0.5f, 1, 0, 0},
                                                                   {0, 32, 0.5f, 1, 0, 0}, {16, 32, 0.5f, 1, 0, 0}},
                               gfx::kFvfScreen);
    d->SetStreamSource(0, buffer, sizeof(test::ScreenVertex));
    d->SetVertexShader(gfx::kFvfScreen);
    for (int frame = 0; frame < 3; ++frame) {
      auto* quad = reinterpret_cast<test::ScreenVertex*>(buffer->Lock(0, 0));
      for (int i = 0; i < 4; ++i) quad[i].x = static_cast<float>(frame * 20 + (i % 2) * 16);
      buffer->Unlock();
      d->Clear(gfx::kClearTarget | gfx::kClearZBuffer, 0xFF000000u, 1.0f, 0);
      d->BeginScene();
      EXPECT_TRUE(d->DrawPrimitive(gfx::PrimitiveType::TriangleStrip, 0, 2));
      d->EndScene();
      for (int x = 0; x < 64; ++x) {
        const bool inside = x >= frame * 20 && x < frame * 20 + 16;
        ASSERT_EQ(d->BackBuffer().At(x, 10), inside ? 0xFFFFFFFFu : 0xFF000000u) << NameOf(v) << frame << "," << x;
      }
    }
  }
}

TEST(OpenGLDevice, PresentHandsTheWindowTheBackBuffer) {
  Window window;
  auto d = MakeOpenGL(64, 64, VertexProcessing::Gpu, &window);
  ASSERT_TRUE(d);
  EXPECT_FALSE(d->PresentsToWindow());
  test::SceneNamed("depth").Draw(*d);
  ASSERT_TRUE(d->Present());
  EXPECT_EQ(window.Presents, 1);
  EXPECT_EQ(window.Frame.Pixels, d->BackBuffer().Pixels);
  d->BeginScene();
  EXPECT_FALSE(d->Present());  // not inside a scene
}

// A lost context fails Present; Reset with the same parameters makes a new one, and the resources
// made before are drawn from their kept contents.
TEST(OpenGLDevice, ALostContextFailsPresentUntilResetRestoresIt) {
  Window window;
  auto d = MakeOpenGL(64, 64, VertexProcessing::Gpu, &window);
  ASSERT_TRUE(d);
  const gfx::PresentParameters params = Params(64, 64, &window);
  auto texture = d->CreateTexture(test::Solid(1, 1, 0xFF00FF00));
  auto quad = test::Upload(*d, std::vector<test::ScreenVertex>{{0, 0, 0.5f, 1, 0, 0}, {64, 0, 0.5f, 1, 0, 0},
                                                               {0, 64, 0.5f, 1, 0, 0}, {64, 64, 0.5f, 1, 0, 0}},
                           gfx::kFvfScreen);
  auto draw = [&] {
    d->Clear(gfx::kClearTarget | gfx::kClearZBuffer, 0xFF000000u, 1.0f, 0);
    d->BeginScene();
    d->SetTexture(0, texture);
    d->SetStreamSource(0, quad, sizeof(test::ScreenVertex));
    d->SetVertexShader(gfx::kFvfScreen);
    d->DrawPrimitive(gfx::PrimitiveType::TriangleStrip, 0, 2);
    d->EndScene();
  };
  draw();
  ASSERT_TRUE(d->Present());
  d->LoseContext();
  draw();
  EXPECT_FALSE(d->Present());
  EXPECT_FALSE(d->Present());
  EXPECT_FALSE(d->Reset(Params(32, 32, &window)));  // other parameters are refused
  ASSERT_TRUE(d->Reset(params));
  draw();
  ASSERT_TRUE(d->Present());
  EXPECT_EQ(window.Presents, 2);
  EXPECT_EQ(window.Frame.At(32, 32), 0xFF00FF00u);
}

TEST(OpenGLDevice, AShaderThatDoesNotCompileOrAnEmptyBackBufferIsAFailedTry) {
  gfx::opengl::ShaderSources broken = gfx::opengl::DefaultShaders(true);
  broken.Vertex += "\nthis does not compile";
  EXPECT_FALSE(gfx::OpenGLDevice::Create(Params(64, 64), VertexProcessing::Gpu, &broken));
  broken = gfx::opengl::DefaultShaders(false);
  broken.Fragment = "#version 330 core\nvoid main() { undefined(); }\n";
  EXPECT_FALSE(gfx::OpenGLDevice::Create(Params(64, 64), VertexProcessing::Cpu, &broken));
  EXPECT_FALSE(gfx::OpenGLDevice::Create(Params(0, 64), VertexProcessing::Gpu));
  EXPECT_FALSE(gfx::OpenGLDevice::Create(Params(64, 9000), VertexProcessing::Gpu));
  // A failed try leaves nothing behind that keeps the next from working.
  EXPECT_TRUE(MakeOpenGL(64, 64, VertexProcessing::Gpu));
}

// The driver's answer to each try of the set-up: OpenGL with the vertex processing asked for, the
// reference device for the third, and no hardware device where OpenGL is not allowed.
TEST(OpenGLDevice, TheDriverMakesTheDeviceEachTryAsksFor) {
  struct Case {
    bool opengl_allowed;
    gfx::DeviceType type;
    unsigned behaviour;
    const char* made;  // nullptr: none
  };
  const Case cases[] = {
      {true, gfx::DeviceType::Hardware, gfx::kCreateHardwareVertexProcessing, "OpenGL, vertex processing on the GPU"},
      {true, gfx::DeviceType::Hardware, gfx::kCreateSoftwareVertexProcessing, "OpenGL, vertex processing on the CPU"},
      {true, gfx::DeviceType::Reference, gfx::kCreateSoftwareVertexProcessing, "reference"},
      {true, gfx::DeviceType::Hardware, 0, nullptr},
      {false, gfx::DeviceType::Hardware, gfx::kCreateHardwareVertexProcessing, nullptr},
      {false, gfx::DeviceType::Hardware, gfx::kCreateSoftwareVertexProcessing, nullptr},
      {false, gfx::DeviceType::Reference, gfx::kCreateSoftwareVertexProcessing, "reference"},
  };
  for (const Case& c : cases) {
    auto driver = gfx::CreateDriver(gfx::kDriverVersion, c.opengl_allowed);
    ASSERT_TRUE(driver);
    auto device = driver->CreateDevice(0, c.type, nullptr, c.behaviour, Params(64, 48));
    ASSERT_EQ(device != nullptr, c.made != nullptr) << c.opengl_allowed << " " << c.behaviour;
    if (device) {
      EXPECT_STREQ(gfx::DescribeDevice(*device), c.made);
    }
  }
}

}  // namespace
