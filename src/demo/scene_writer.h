#pragma once
// Writing one scene folder of the demo: the creature and its key shapes, the background, and the
// settings the viewer reads (camera and control points, motion tables).
#include <functional>
#include <string>

#include "demo/backdrop.h"
#include "demo/creature.h"
#include "platform/gfx/device.h"

namespace demo {

struct SceneSetup {
  int Id = 10;
  CreatureDesign Creature;
  std::function<Backdrop(const std::string& folder, float depth)> MakeBackdrop;
  bool JapaneseLabels = false;  // motion.txt labels in Shift-JIS
  float Tempo = 1.0f;           // scales every motion's speed
  float Pitch = 0.2f, Yaw = 0.0f;
};

// Writes root/dir<Id>: model.x with skin.dds and face.bmp, the key shapes 0.x .. 12.x and their
// .idt/.vdt (exported with the device, as the viewer's own export does), bg.x and its textures,
// env.ini, motion.txt and marray.txt. False, with error set, when a file could not be written.
bool WriteScene(const std::string& root, const SceneSetup& scene, gfx::Device& device, std::string* error);

}  // namespace demo
