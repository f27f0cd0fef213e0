#pragma once
// A mesh loaded from an X file with its materials and textures, and the morph's motion state.
#include "platform/gfx/device.h"

class MyXOBJ {
 public:
  // Puts the object into its empty state: nothing loaded, normals not recomputed.
  void Init();
  // Releases everything the object holds.
  void Free();
  // Sets the device's world transform; the object's own data is not involved.
  void SetWorld(gfx::Device& device, const gfx::Matrix& world);
  // Draws every subset with its material and texture; an object with nothing loaded draws nothing.
  void Draw(gfx::Device& device);

  bool Loaded() const { return NumVertices > 0; }

  unsigned NumVertices = 0;
  unsigned NumIndices = 0;
  unsigned NumFaces = 0;
  unsigned NumMaterials = 0;
  // Recompute normals from the morphed positions in every draw.
  bool RecomputeNormals = false;
};
