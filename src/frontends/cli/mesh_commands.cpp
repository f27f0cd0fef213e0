#include "frontends/cli/mesh_commands.h"

#include <ostream>

#include "app/key_shape_export.h"
#include "app/scene_check.h"
#include "frontends/cli/json_writer.h"
#include "frontends/cli/root_directory.h"
#include "mesh/MyXOBJ.h"
#include "platform/gfx/reference/reference_device.h"
#include "platform/os/codepage.h"
#include "platform/os/path.h"
#include "platform/ui/convert.h"

namespace cli {

namespace {

// A device for loading meshes and textures only: nothing is drawn.
std::unique_ptr<gfx::Device> LoadingDevice() {
  gfx::PresentParameters p;
  p.BackBufferWidth = 1;
  p.BackBufferHeight = 1;
  return gfx::ReferenceDevice::Create(p);
}

void Colour(JsonWriter& w, const char* key, const gfx::ColorValue& c) {
  w.Key(key).BeginArray();
  for (float v : {c.r, c.g, c.b, c.a}) w.Number(v);
  w.EndArray();
}

}  // namespace

int ExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string root = ".";
  std::optional<int> scene;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--root" && i + 1 < args.size()) {
      root = args[++i];
    } else if (!scene) {
      scene = ui::TryStrToInt(args[i]);
      if (!scene) break;
    } else {
      scene.reset();
      break;
    }
  }
  if (!scene) {
    err << "korvel export: usage: korvel export [--root DIR] SCENE\n";
    return 2;
  }
  const RootDirectory in_root(root);
  if (!in_root.Entered()) {
    err << "korvel export: cannot enter " << root << "\n";
    return 2;
  }
  auto device = LoadingDevice();
  const auto lines = ExportKeyShapes(*device, os::GetCurrentDir(), *scene);
  int code = 0;
  for (const std::string& line : lines) {
    out << line << "\n";
    if (line.find('[') == std::string::npos) code = 1;  // a model whose files could not be written
  }
  return code;
}

int CheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string root = ".";
  std::vector<int> scenes;
  for (size_t i = 1; i < args.size(); ++i) {
    const auto scene = ui::TryStrToInt(args[i]);
    if (args[i] == "--root" && i + 1 < args.size()) {
      root = args[++i];
    } else if (scene) {
      scenes.push_back(*scene);
    } else {
      scenes.clear();
      break;
    }
  }
  if (scenes.empty()) {
    err << "korvel check: usage: korvel check [--root DIR] SCENE...\n";
    return 2;
  }
  const RootDirectory in_root(root);
  if (!in_root.Entered()) {
    err << "korvel check: cannot enter " << root << "\n";
    return 2;
  }
  auto device = LoadingDevice();
  int code = 0;
  for (int scene : scenes) {
    for (const std::string& line : CheckScene(*device, os::GetCurrentDir(), scene)) {
      out << line << "\n";
      code = 1;
    }
  }
  return code;
}

int InfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "korvel info: usage: korvel info FILE.x\n";
    return 2;
  }
  auto device = LoadingDevice();
  MyXOBJ mesh;
  mesh.Init();
  if (!mesh.Load(*device, args[1], kMeshLoadFlags)) {
    err << "korvel info: " << args[1] << ": " << mesh.LoadError << "\n";
    return 1;
  }
  JsonWriter w;
  w.BeginObject();
  w.Key("File").String(args[1]);
  w.Key("NumVertices").Int(mesh.NumVertices);
  w.Key("NumIndices").Int(mesh.NumIndices);
  w.Key("NumFaces").Int(mesh.NumFaces);
  w.Key("NumMaterials").Int(mesh.NumMaterials);
  w.Key("Materials").BeginArray();
  for (std::uint32_t i = 0; i < mesh.NumMaterials; ++i) {
    const gfx::Material& m = mesh.Materials[i];
    w.BeginObject();
    Colour(w, "Diffuse", m.Diffuse);
    Colour(w, "Ambient", m.Ambient);
    Colour(w, "Specular", m.Specular);
    Colour(w, "Emissive", m.Emissive);
    w.Key("Power").Number(m.Power);
    w.Key("Texture").String(os::SystemToUtf8(mesh.TextureNames[i]));
    w.Key("TextureLoaded").Bool(mesh.Textures[i] != nullptr);
    w.Key("FaceMark").Int(mesh.FaceMark[i]);
    w.EndObject();
  }
  w.EndArray();
  w.Key("Subsets").BeginArray();
  for (const gfx::MeshSubset& s : mesh.Mesh->Subsets()) {
    w.BeginObject();
    w.Key("Material").Int(s.AttributeId);
    w.Key("FaceStart").Int(s.FaceStart);
    w.Key("FaceCount").Int(s.FaceCount);
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
  out << w.Text();
  mesh.Free();
  return 0;
}

}  // namespace cli
