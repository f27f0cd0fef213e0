#pragma once
// A textured quad in screen space (a sprite).
#include "app/screen_vertex.h"

class My2DOBJ {
 public:
  // Empties the object: no texture, no vertices.
  void Clear();
  // Releases what the object holds; the object stays usable but empty.
  void Free();

  bool Loaded() const { return loaded_; }

 private:
  bool loaded_ = false;
};
