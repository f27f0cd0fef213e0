#include "frontends/cli/mesh_commands.h"

#include <ostream>

#include "app/key_shape_export.h"
#include "app/scene_check.h"
#include "frontends/cli/help_text.h"
#include "frontends/cli/json_writer.h"
#include "frontends/cli/root_directory.h"
#include "frontends/cli/verb_args.h"
#include "mesh/MyXOBJ.h"
#include "platform/gfx/reference/reference_device.h"
#include "platform/os/codepage.h"
#include "platform/os/path.h"
#include "platform/ui/convert.h"

namespace cli {

namespace {

// A device for loading meshes and textures only: nothing is drawn.
std::unique_ptr<gfx::Device> LoadingDevice() {
  return gfx::ReferenceDevice::Create(1, 1);
}

void Colour(JsonWriter& w, const char* key, const gfx::ColorValue& c) {
  w.Key(key).BeginArray();
  for (float v : {c.r, c.g, c.b, c.a}) w.Number(v);
  w.EndArray();
}

}  // namespace

int ExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseVerbArgs(args, true, err);
  if (!parsed) return 2;
  const std::optional<int> scene = parsed->Words.size() == 1 ? ui::TryStrToInt(parsed->Words[0]) : std::nullopt;
  if (!scene) {
    err << UsageError("export");
    return 2;
  }
  const std::string& root = parsed->Root;
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
  const auto parsed = ParseVerbArgs(args, true, err);
  if (!parsed) return 2;
  std::vector<int> scenes;
  for (const std::string& word : parsed->Words) {
    const auto scene = ui::TryStrToInt(word);
    if (!scene) {
      scenes.clear();
      break;
    }
    scenes.push_back(*scene);
  }
  if (scenes.empty()) {
    err << UsageError("check");
    return 2;
  }
  const std::string& root = parsed->Root;
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
  const auto parsed = ParseVerbArgs(args, false, err);
  if (!parsed) return 2;
  if (parsed->Words.size() != 1) {
    err << UsageError("info");
    return 2;
  }
  const std::string& file = parsed->Words[0];
  auto device = LoadingDevice();
  MyXOBJ mesh;
  mesh.Init();
  if (!mesh.Load(*device, file, kMeshLoadFlags)) {
    err << "korvel info: " << file << ": " << mesh.LoadError << "\n";
    return 1;
  }
  JsonWriter w;
  w.BeginObject();
  w.Key("File").String(file);
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
