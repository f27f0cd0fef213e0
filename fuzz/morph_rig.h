#pragma once
// A model with key shapes made from itself, for the targets that feed the morph damaged tables or key
// shapes: the scene folder dir1 below the scratch folder holds the model and the key-shape files.
#include <memory>
#include <string>
#include <vector>

#include "environment/scene_environment.h"
#include "mesh/MyMotionOBJ.h"
#include "mesh/MyXOBJ.h"
#include "platform/gfx/device.h"

namespace fuzz {

inline constexpr int kRigScene = 1;
inline constexpr int kRigVertices = 9, kRigFaces = 12;

// The model as the rig loads it, as a text X file.
std::string RigModelFile();
// The key-shape pair (.idt, .vdt) a key-shape export of the rig's model writes.
std::pair<std::string, std::string> RigKeyShapeFiles();

class MorphRig {
 public:
  MorphRig();
  // Every key shape loaded from the rig's own pair.
  std::vector<std::unique_ptr<MyMotionOBJ>>& KeyShapes() { return key_shapes_; }
  // Starts a motion from the tables and runs frames of morph and draw, as the frame loop does.
  void Run(const MotionArray& motions, int frames, int grabbed_point);

 private:
  std::unique_ptr<gfx::Device> device_;
  MyXOBJ model_;
  std::vector<std::unique_ptr<MyMotionOBJ>> key_shapes_;
};

// Motion tables that step through key shapes 0 and 1 in every motion and alternative.
MotionArray RigMotions();

}  // namespace fuzz
