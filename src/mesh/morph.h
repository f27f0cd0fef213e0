#pragma once
// What the key-shape morph reads and writes besides the model itself.
#include <cstdint>
#include <memory>
#include <vector>

#include "environment/scene_environment.h"
#include "mesh/MyMotionOBJ.h"

// The motion draw generator: one linear congruential generator per process, set to state 1 at start
// with one value thrown away, never reseeded, so the motions follow each other alike on every run.
class MotionRandom {
 public:
  MotionRandom() { Next(); }
  // The next value, 0 .. 32767.
  int Next() {
    state_ = state_ * 22695477u + 1u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  std::uint32_t state_ = 1;
};

// Constants of the morph.
inline constexpr double kMorphTimeScale = 15.0;
inline constexpr float kStepThreshold = 1.0f;
inline constexpr float kMultiPassSpeed = 1.05f;  // MorphSpeed above this raises the extra passes
inline constexpr int kMultiPassMotions = 2;      // from this motion number up
inline constexpr int kMaxMultiPassCount = 3;
inline constexpr int kDrawnAlternatives = 5;

struct MorphInputs {
  const MotionArray& Motions;
  const std::vector<std::unique_ptr<MyMotionOBJ>>& KeyShapes;
  float FrameTime;
  float MorphSpeed;
  int GrabbedPoint;
  int& MultiPassCount;
  MotionRandom& Random;
};
