#include "mesh/MyXOBJ.h"

void MyXOBJ::Init() { *this = MyXOBJ(); }

void MyXOBJ::Free() { Init(); }

void MyXOBJ::SetWorld(gfx::Device& device, const gfx::Matrix& world) {
  device.SetTransform(gfx::TransformType::World, world);
}

void MyXOBJ::Draw(gfx::Device& device) {
  (void)device;  // one subset per material; nothing is loaded, so there are none
}
