#pragma once
// Small scenes that exercise one part of the fixed-function pipeline each, drawn through the device
// interface so that any device can draw them: the rendering golden cases, and the cases the OpenGL
// device is checked on against the reference device.
#include <string>
#include <vector>

#include "platform/gfx/device.h"

namespace test {

inline constexpr std::uint32_t kSceneClear = 0xFF505064;

struct DeviceScene {
  std::string Name;
  unsigned Width, Height;
  // Clears, begins the scene, draws and ends it.
  void (*Draw)(gfx::Device& device);
};

// Every scene, the golden cases among them under their golden names.
const std::vector<DeviceScene>& DeviceScenes();
const DeviceScene& SceneNamed(const std::string& name);

// Draw calls with missing, short, overflowing or non-finite input: each refused or drawing nothing,
// none crashing (checked with gtest expectations). d is at least 32 x 32.
void ExpectHostileDrawsRefused(gfx::Device& d);

// The viewer's camera and light.
void SetUpCamera(gfx::Device& d, gfx::Vec3 eye, gfx::Vec3 at);

}  // namespace test
