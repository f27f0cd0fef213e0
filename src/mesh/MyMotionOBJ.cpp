#include "mesh/MyMotionOBJ.h"

void MyMotionOBJ::Clear() {
  Indices.clear();
  Positions.clear();
}

void MyMotionOBJ::Free() {
  Clear();
  Indices.shrink_to_fit();
  Positions.shrink_to_fit();
}
