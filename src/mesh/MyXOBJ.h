#pragma once
// A mesh loaded from an X file with its materials and textures, and the morph's motion state.

class MyXOBJ {
 public:
  // Puts the object into its empty state: nothing loaded, normals not recomputed.
  void Init();
  // Releases everything the object holds.
  void Free();

  bool Loaded() const { return NumVertices > 0; }

  unsigned NumVertices = 0;
  unsigned NumIndices = 0;
  unsigned NumFaces = 0;
  unsigned NumMaterials = 0;
  // Recompute normals from the morphed positions in every draw.
  bool RecomputeNormals = false;
};
