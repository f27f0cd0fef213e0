#pragma once
// A mesh loaded from an X file with its materials and textures, direct handles on its buffers, its
// counts and face adjacency, and the morph's motion state (used for the scene's model).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/device.h"
#include "platform/gfx/mesh.h"

struct MorphInputs;

// Materials a mesh may have: FaceMark has one entry for each.
inline constexpr std::size_t kMaxMeshMaterials = 100;
// The FaceMark of a subset textured with "face.bmp": it gets the extra passes.
inline constexpr std::uint8_t kFaceMarked = 99;
// The optimisation flags every caller passes: attribute sort into a managed mesh.
inline constexpr unsigned kMeshLoadFlags = 0x2000220;

class MyXOBJ {
 public:
  std::shared_ptr<gfx::VertexBuffer> VertexBuffer;
  std::shared_ptr<gfx::IndexBuffer> IndexBuffer;
  std::size_t VertexBufferSize = 0;  // bytes
  std::size_t IndexBufferSize = 0;   // bytes
  std::vector<gfx::Material> Materials;
  std::vector<std::shared_ptr<gfx::Texture>> Textures;
  std::vector<std::string> TextureNames;  // as the file stores them, for the tools
  std::uint32_t NumMaterials = 0;
  std::vector<std::uint32_t> Adjacency;
  bool RecomputeNormals = false;
  bool Loaded = false;
  std::array<std::uint8_t, kMaxMeshMaterials> FaceMark{};
  std::unique_ptr<gfx::Mesh> Mesh;
  std::uint32_t NumVertices = 0;  // at most 65535: larger meshes are refused
  std::uint32_t NumIndices = 0;   // at most 65535
  std::uint32_t NumFaces = 0;
  float MotionSpeed = 1.0f;
  int MotionStep = 0;
  float MotionT = 0.0f;
  int MotionRow = 0;
  int MotionEnd = 0;
  std::string FileName;
  std::string LoadError;  // why the last Load failed, for the tools

  // The empty state: nothing loaded, no normals recomputed, the motion at its start.
  void Init();
  // Reads the X file and makes its mesh, materials and textures (texture names as stored, resolved
  // from the current directory). False, with LoadError set, when the file cannot be read or the mesh
  // does not fit 16-bit indices or 100 materials.
  bool Load(gfx::Device& device, const std::string& path, unsigned flags);
  // Recomputes the normals when asked, then draws every subset with its material and texture, and
  // the subsets marked for them multi_pass_count more times with multi_texture.
  void Draw(gfx::Device& device, const std::shared_ptr<gfx::Texture>& multi_texture, int multi_pass_count);
  // Sets the device's world transform; the object's own data is not involved.
  void SetWorld(gfx::Device& device, const gfx::Matrix& world);
  // Releases everything; the object is empty afterwards.
  void Free();

  // The key-shape morph: draws the first motion / advances the blend by one frame.
  void StartMotion(MorphInputs& in);
  void Morph(MorphInputs& in);

  // Writes <name>.idt (the face corners) and <name>.vdt (the positions) beside FileName. Each file is
  // replaced whole or not at all; the result says whether both were written, and error which not.
  bool WriteKeyShapeFiles(std::string* error);
};
