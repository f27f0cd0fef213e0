#include "frontends/cli/state_json.h"

#include "app/Unit1.h"
#include "environment/Unit2.h"
#include "frontends/cli/headless.h"
#include "frontends/cli/json_writer.h"

namespace cli {

namespace {

void Vector(JsonWriter& w, const char* key, const gfx::Vec3& v) {
  w.Key(key).BeginArray();
  w.Number(v.x);
  w.Number(v.y);
  w.Number(v.z);
  w.EndArray();
}

template <class Row>
void Table(JsonWriter& w, const char* key, const Row* rows, size_t count) {
  w.Key(key).BeginArray();
  for (size_t i = 0; i < count; ++i) {
    w.BeginArray();
    for (auto value : rows[i]) w.Number(value);
    w.EndArray();
  }
  w.EndArray();
}

template <class Values>
void List(JsonWriter& w, const char* key, const Values& values) {
  w.Key(key).BeginArray();
  for (auto value : values) w.Number(value);
  w.EndArray();
}

void WriteViewerState(JsonWriter& w, const ViewerState& s) {
  w.Key("ViewerState").BeginObject();
  const std::pair<const char*, bool> flags[] = {
      {"Active", s.Active},   {"RenderBack", s.RenderBack}, {"ComputeNormals", s.ComputeNormals},
      {"Modify", s.Modify},   {"Debug", s.Debug},           {"Dragging", s.Dragging},
      {"Grabbing", s.Grabbing}, {"Demo", s.Demo},           {"HoverActive", s.HoverActive},
  };
  for (const auto& [name, value] : flags) w.Key(name).Bool(value);
  const std::pair<const char*, double> numbers[] = {
      {"Yaw", s.Yaw},
      {"Pitch", s.Pitch},
      {"Dist", s.Dist},
      {"GrabbedPoint", s.GrabbedPoint},
      {"HoverPoint", s.HoverPoint},
      {"MotionObjectCount", s.MotionObjectCount},
      {"MorphSpeed", s.MorphSpeed},
      {"SceneGroup", s.SceneGroup},
      {"SceneIndex", s.SceneIndex},
      {"SceneId", s.SceneId},
      {"MultiPassCount", s.MultiPassCount},
      {"FrameTime", s.FrameTime},
      {"FrameCount", s.FrameCount},
      {"FpsBaseFrame", s.FpsBaseFrame},
      {"FpsSampleTime", s.FpsSampleTime},
      {"FpsBaseTime", s.FpsBaseTime},
      {"MouseX", s.MouseX},
      {"MouseY", s.MouseY},
  };
  for (const auto& [name, value] : numbers) w.Key(name).Number(value);
  Vector(w, "Eye", s.Eye);
  Vector(w, "LookAt", s.LookAt);
  Vector(w, "LightVector", s.LightVector);
  w.Key("Device").Bool(s.Device != nullptr);
  w.Key("MorphHalted").Bool(s.MorphHalted);
  w.EndObject();
}

void WriteEnvironment(JsonWriter& w, const SceneEnvironment& env) {
  w.Key("SceneEnvironment").BeginObject();
  w.Key("LX").Number(env.LX);
  w.Key("LY").Number(env.LY);
  w.Key("LZ").Number(env.LZ);
  w.Key("Pitch").Number(env.Pitch);
  w.Key("Yaw").Number(env.Yaw);
  w.Key("Dist").Number(env.Dist);
  for (const EnvironmentKey& key : kEnvironmentKeys)
    if (key.Name[0] == 'C') w.Key(key.Name).Number(env.*key.Member);
  Table(w, "MotionKeys", env.MotionKeys.data(), env.MotionKeys.size());
  List(w, "MotionSteps", env.MotionSteps);
  List(w, "MotionRates", env.MotionRates);
  Table(w, "MotionSelect", env.MotionSelect.data(), env.MotionSelect.size());
  w.EndObject();
}

void WriteMesh(JsonWriter& w, const char* key, const MyXOBJ* mesh, bool with_motion) {
  w.Key(key).BeginObject();
  const bool loaded = mesh && mesh->Loaded;
  w.Key("Loaded").Bool(loaded);
  w.Key("NumVertices").Int(loaded ? mesh->NumVertices : 0);
  w.Key("NumIndices").Int(loaded ? mesh->NumIndices : 0);
  w.Key("NumFaces").Int(loaded ? mesh->NumFaces : 0);
  w.Key("NumMaterials").Int(mesh ? mesh->NumMaterials : 0);
  w.Key("FaceMark").BeginArray();
  for (std::uint32_t i = 0; mesh && i < mesh->NumMaterials; ++i) w.Int(mesh->FaceMark[i]);
  w.EndArray();
  w.Key("RecomputeNormals").Bool(mesh && mesh->RecomputeNormals);
  if (with_motion && mesh) {
    w.Key("MotionRow").Int(mesh->MotionRow);
    w.Key("MotionStep").Int(mesh->MotionStep);
    w.Key("MotionT").Number(mesh->MotionT);
    w.Key("MotionEnd").Int(mesh->MotionEnd);
    w.Key("MotionSpeed").Number(mesh->MotionSpeed);
  }
  w.EndObject();
}

void Strings(JsonWriter& w, const char* key, const std::vector<std::string>& texts) {
  w.Key(key).BeginArray();
  for (const std::string& text : texts) w.String(text);
  w.EndArray();
}

void CheckMarks(JsonWriter& w, const std::vector<ui::MenuItem*>& items) {
  for (const ui::MenuItem* item : items) {
    if (!item->IsSeparator() && item->Items.empty()) w.Key(item->Name).Bool(item->Checked);
    CheckMarks(w, item->Items);
  }
}

void WriteEditor(JsonWriter& w, Viewer& viewer) {
  w.Key("Editor").BeginObject();
  if (const TForm2* editor = viewer.Form2.get()) {
    w.Key("Visible").Bool(editor->Visible);
    w.Key("Caption").String(editor->Caption);
    for (const auto& [name, component] : editor->Components()) {
      if (const auto* edit = dynamic_cast<const ui::Edit*>(component)) w.Key(name).String(edit->Text);
      if (const auto* label = dynamic_cast<const ui::Label*>(component)) w.Key(name).String(label->Caption);
      if (const auto* grid = dynamic_cast<const ui::StringGrid*>(component)) {
        w.Key(name).BeginArray();
        for (int c = 0; c < grid->ColCount(); ++c) {
          w.BeginArray();
          for (int r = 0; r < grid->RowCount(); ++r) w.String(grid->Cell(c, r));
          w.EndArray();
        }
        w.EndArray();
      }
    }
  }
  w.EndObject();
}

}  // namespace

std::string StateJson(HeadlessSession& session) {
  Viewer& viewer = session.GetViewer();
  const ViewerState& s = viewer.State;
  const TForm1& form = session.Form();
  JsonWriter w;
  w.BeginObject();
  WriteViewerState(w, s);
  WriteEnvironment(w, viewer.Environment);
  w.Key("StatusBar").BeginArray();
  for (const ui::StatusPanel& panel : form.StatusBar1.Panels) w.String(panel.Text);
  w.EndArray();
  w.Key("Label1").String(form.Label1.Caption);
  w.Key("Label2").String(form.Label2.Caption);
  w.Key("Label3").String(form.Label3.Caption);
  Strings(w, "Memo1", form.Memo1.Lines);
  w.Key("Panel2Visible").Bool(form.Panel2.Visible);
  w.Key("OptionMenuVisible").Bool(form.OptionMenu.Visible);
  w.Key("OptionMenuEnabled").Bool(form.OptionMenu.Enabled);
  w.Key("Checked").BeginObject();
  CheckMarks(w, form.MainMenu1.Items);
  w.EndObject();
  w.Key("Closed").Bool(session.Closed());
  WriteEditor(w, viewer);
  WriteMesh(w, "ModelMesh", s.ModelMesh.get(), true);
  WriteMesh(w, "BackgroundMesh", s.BackgroundMesh.get(), false);
  WriteMesh(w, "ControlMesh", s.ControlMesh.get(), false);
  WriteMesh(w, "CenterMesh", s.CenterMesh.get(), false);
  w.Key("MotionObjects").BeginArray();
  for (const auto& motion : s.MotionObjects) {
    w.BeginObject();
    w.Key("Loaded").Bool(motion && motion->Loaded);
    w.Key("NumIndices").Int(motion ? static_cast<long long>(motion->Indices.size()) : 0);
    w.Key("NumPositions").Int(motion ? static_cast<long long>(motion->Positions.size() / 3) : 0);
    w.EndObject();
  }
  w.EndArray();
  Strings(w, "Errors", session.Errors());
  w.Key("MessageBoxes").BeginArray();
  for (const MessageBoxRecord& box : session.MessageBoxes()) {
    w.BeginObject();
    w.Key("Caption").String(box.Caption);
    w.Key("Text").String(box.Text);
    w.EndObject();
  }
  w.EndArray();
  Strings(w, "ShellOpened", session.ShellOpened());
  w.EndObject();
  return w.Text();
}

}  // namespace cli
