#include "mesh/MyXOBJ.h"

#include <variant>

#include "platform/gfx/texture_loader.h"
#include "platform/xfile/xfile.h"

namespace {

constexpr float kMaterialAmbient = 0.3f;

gfx::Material ToMaterial(const xfile::XMaterial& x) {
  gfx::Material m;
  m.Diffuse = {x.Diffuse[0], x.Diffuse[1], x.Diffuse[2], x.Diffuse[3]};
  m.Ambient = {kMaterialAmbient, kMaterialAmbient, kMaterialAmbient, 0.0f};
  m.Specular = {x.Specular[0], x.Specular[1], x.Specular[2], 0.0f};
  m.Emissive = {x.Emissive[0], x.Emissive[1], x.Emissive[2], 0.0f};
  m.Power = x.Power;
  return m;
}

// The file-name part of a texture name: what follows the last backslash or colon.
std::string_view FileNamePart(std::string_view name) {
  const size_t cut = name.find_last_of("\\:");
  return cut == std::string_view::npos ? name : name.substr(cut + 1);
}

}  // namespace

void MyXOBJ::Init() {
  Loaded = false;
  RecomputeNormals = false;
  MotionSpeed = 1.0f;
  MotionStep = 0;
  MotionT = 0.0f;
}

bool MyXOBJ::Load(gfx::Device& device, const std::string& path, unsigned flags) {
  (void)flags;  // every mesh is attribute-sorted into device buffers
  NumMaterials = 0;
  FileName = path;
  LoadError.clear();
  xfile::XFileResult result = xfile::LoadXFile(path);
  if (auto* failure = std::get_if<xfile::XFileError>(&result)) {
    LoadError = failure->Message;
    return false;
  }
  xfile::XMesh& x = std::get<xfile::XMesh>(result);
  if (x.Materials.size() > kMaxMeshMaterials) {
    LoadError = "more than 100 materials";
    return false;
  }

  gfx::MeshData data;
  data.Vertices.reserve(x.Vertices.size());
  for (const xfile::XVertex& v : x.Vertices)
    data.Vertices.push_back({{v.Position[0], v.Position[1], v.Position[2]}, {v.Normal[0], v.Normal[1], v.Normal[2]}, v.U, v.V});
  data.Indices = std::move(x.Indices);
  data.FaceMaterials = std::move(x.FaceMaterials);
  data.HasNormals = x.HasNormals;
  auto mesh = gfx::Mesh::Create(device, std::move(data), &LoadError);
  if (!mesh) return false;

  std::vector<gfx::Material> materials;
  std::vector<std::shared_ptr<gfx::Texture>> textures;
  std::vector<std::string> names;
  std::array<std::uint8_t, kMaxMeshMaterials> marks{};
  for (size_t i = 0; i < x.Materials.size(); ++i) {
    materials.push_back(ToMaterial(x.Materials[i]));
    textures.push_back(gfx::CreateTextureFromFile(device, x.Materials[i].TextureFileName));
    names.push_back(x.Materials[i].TextureFileName);
    marks[i] = textures.back() && FileNamePart(x.Materials[i].TextureFileName) == "face.bmp" ? kFaceMarked : 0;
  }

  Mesh = std::move(mesh);
  Materials = std::move(materials);
  Textures = std::move(textures);
  TextureNames = std::move(names);
  FaceMark = marks;
  NumMaterials = static_cast<std::uint32_t>(Materials.size());
  Adjacency = Mesh->GenerateAdjacency();
  VertexBuffer = Mesh->Vertices();
  IndexBuffer = Mesh->Indices();
  VertexBufferSize = VertexBuffer->Size();
  IndexBufferSize = IndexBuffer->Size();
  NumVertices = static_cast<std::uint32_t>(VertexBufferSize / sizeof(gfx::MeshVertex));
  NumIndices = static_cast<std::uint32_t>(IndexBufferSize / 2);
  NumFaces = Mesh->NumFaces();
  Loaded = true;
  return true;
}

void MyXOBJ::Draw(gfx::Device& device, const std::shared_ptr<gfx::Texture>& multi_texture, int multi_pass_count) {
  if (!Loaded) return;
  if (RecomputeNormals) Mesh->ComputeNormals(Adjacency);
  auto modulate = [&device] {
    device.SetTextureStageState(0, gfx::TextureStageState::ColorOp, gfx::kTopModulate);
    device.SetTextureStageState(0, gfx::TextureStageState::ColorArg1, gfx::kTaTexture);
    device.SetTextureStageState(0, gfx::TextureStageState::ColorArg2, gfx::kTaDiffuse);
  };
  for (std::uint32_t i = 0; i < NumMaterials; ++i) {
    device.SetMaterial(Materials[i]);
    device.SetTexture(0, Textures[i]);
    modulate();
    Mesh->DrawSubset(device, i);
    if (FaceMark[i] == kFaceMarked) {
      device.SetRenderState(gfx::RenderState::SrcBlend, gfx::kBlendSrcAlpha);
      device.SetRenderState(gfx::RenderState::DestBlend, gfx::kBlendInvSrcAlpha);
      modulate();
      device.SetTexture(0, multi_texture);
      for (int pass = 0; pass < multi_pass_count; ++pass) Mesh->DrawSubset(device, i);
    }
  }
}

void MyXOBJ::SetWorld(gfx::Device& device, const gfx::Matrix& world) {
  device.SetTransform(gfx::TransformType::World, world);
}

void MyXOBJ::Free() {
  if (Loaded) {
    Materials.clear();
    Textures.clear();
    TextureNames.clear();
    VertexBuffer.reset();
    IndexBuffer.reset();
    Mesh.reset();
    Adjacency.clear();
  }
  Loaded = false;
  NumMaterials = 0;
  NumVertices = NumIndices = NumFaces = 0;
  FaceMark = {};
}
