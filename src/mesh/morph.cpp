// The key-shape morph: every frame the model's positions become a blend of two key shapes, face corner
// by face corner, stepping through the motion drawn from the selection table.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "mesh/MyXOBJ.h"
#include "mesh/morph.h"

namespace {

bool ValidMotion(int row) { return row >= 0 && row < kMotionCount; }

// The key shape in a slot of the current motion, when it can be blended into a model with the given
// number of face corners: loaded, and every corner naming one of its positions.
const MyMotionOBJ* UsableKeyShape(const MyXOBJ& model, const MorphInputs& in, int slot) {
  if (!ValidMotion(model.MotionRow) || slot < 0 || slot >= kMotionSlots) return nullptr;
  const int number = in.Motions.MotionKeys[static_cast<size_t>(model.MotionRow)][static_cast<size_t>(slot)];
  if (number < 0 || static_cast<size_t>(number) >= in.KeyShapes.size()) return nullptr;
  const MyMotionOBJ* key = in.KeyShapes[static_cast<size_t>(number)].get();
  if (key == nullptr || !key->Loaded || key->Indices.size() < model.NumIndices) return nullptr;
  if (size_t{key->IndexLimit} > key->Positions.size() / 3) return nullptr;
  return key;
}

void DrawNextMotion(MyXOBJ& model, MorphInputs& in) {
  const int r = in.Random.Next() % kDrawnAlternatives;
  const int point = in.GrabbedPoint >= 0 && in.GrabbedPoint < kSelectPoints ? in.GrabbedPoint : 0;
  model.MotionRow = in.Motions.MotionSelect[static_cast<size_t>(r)][static_cast<size_t>(point)];
  const std::int64_t steps = ValidMotion(model.MotionRow) ? in.Motions.MotionSteps[static_cast<size_t>(model.MotionRow)] : -1;
  model.MotionEnd = static_cast<int>(std::min<std::int64_t>(steps + 1, INT32_MAX));
}

// Writes the blend of a and b, weights w0 and w1, into the positions of the model's vertices.
void Blend(MyXOBJ& model, const MyMotionOBJ& a, const MyMotionOBJ& b, double w0, double w1) {
  std::byte* vertices = model.VertexBuffer->Lock(0, 0);
  if (vertices == nullptr) return;
  const std::byte* index_bytes = model.IndexBuffer->Data();
  const size_t vertex_count = model.NumVertices;
  const size_t a_count = a.Positions.size() / 3, b_count = b.Positions.size() / 3;
  for (size_t j = 0; j < model.NumIndices; ++j) {
    std::uint16_t v;
    std::memcpy(&v, index_bytes + 2 * j, sizeof v);
    // Checked before the morph starts; checked again here so no record can lead a read astray.
    if (v >= vertex_count || a.Indices[j] >= a_count || b.Indices[j] >= b_count) continue;
    const float* pa = &a.Positions[3 * size_t{a.Indices[j]}];
    const float* pb = &b.Positions[3 * size_t{b.Indices[j]}];
    const float p[3] = {static_cast<float>(pa[0] * w0 + pb[0] * w1), static_cast<float>(pa[1] * w0 + pb[1] * w1),
                        static_cast<float>(pa[2] * w0 + pb[2] * w1)};
    std::memcpy(vertices + size_t{v} * sizeof(gfx::MeshVertex), p, sizeof p);
  }
  model.VertexBuffer->Unlock();
}

}  // namespace

void MyXOBJ::StartMotion(MorphInputs& in) {
  DrawNextMotion(*this, in);
  MotionT = 0.0f;
}

void MyXOBJ::Morph(MorphInputs& in) {
  // A model without a mesh or a motion that names no row of the tables keeps its shape.
  if (!Loaded || !ValidMotion(MotionRow)) return;
  MotionSpeed = in.Motions.MotionRates[static_cast<size_t>(MotionRow)] * in.MorphSpeed;

  const MyMotionOBJ* a = UsableKeyShape(*this, in, MotionStep);
  const MyMotionOBJ* b = UsableKeyShape(*this, in, MotionStep + 1);
  if (a != nullptr && b != nullptr) {
    const double w0 = 1.0 - static_cast<double>(MotionT), w1 = MotionT;
    Blend(*this, *a, *b, w0, w1);
  }

  // The step count plus one divides the time: a motion of no or negative steps steps at once.
  const double advance = MotionEnd > 0 ? static_cast<double>(in.FrameTime) * kMorphTimeScale / MotionEnd * MotionSpeed
                         : in.FrameTime > 0.0f ? 2.0 : 0.0;
  if (!std::isnan(advance)) MotionT = static_cast<float>(static_cast<double>(MotionT) + advance);
  if (MotionT > kStepThreshold) {
    MotionT = 0.0f;
    MotionStep += 1;
    if (MotionRow >= kMultiPassMotions && in.MorphSpeed > kMultiPassSpeed) {
      in.MultiPassCount = std::min(in.MultiPassCount + 1, kMaxMultiPassCount);
    } else {
      in.MultiPassCount = std::max(in.MultiPassCount - 1, 0);
    }
    if (std::int64_t{MotionStep} > std::int64_t{MotionEnd} - 2) {
      MotionStep = 0;
      DrawNextMotion(*this, in);
    }
  }
}
