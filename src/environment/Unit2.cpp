#include "environment/Unit2.h"

#include "app/Unit1.h"
#include "app/viewer.h"
#include "platform/os/codepage.h"
#include "platform/os/ini_file.h"
#include "platform/os/path.h"
#include "platform/ui/convert.h"
#include "platform/ui/errors.h"
#include "platform/ui/string_list.h"

TForm2::TForm2(Viewer& viewer) : ui::Form("Form2"), viewer_(viewer) {
  LayOut();
  BindEvents();
  for (ui::Component* c : std::initializer_list<ui::Component*>{
           &PageControl1, &TabSheet1, &TabSheet2, &CP0X, &CP0Y, &CP0Z, &CP1X, &CP1Y, &CP1Z, &CP2X, &CP2Y, &CP2Z,
           &CP3X, &CP3Y, &CP3Z, &CX, &CY, &CZ, &CAP0, &CAP1, &CAP2, &CAP3, &LX, &LY, &LZ, &Pitch, &Yaw, &Dist,
           &Cap4, &LDist, &LYaw, &LPitch, &EnvOK, &ActionList1, &SaveAll, &LoadAll, &Grid1, &Grid2})
    Register(*c);
}

void TForm2::LayOut() {
  Caption = "Form2";
  SetBounds(845, 217, 335, 405);
  ClientWidth = 335;
  ClientHeight = 405;
  PageControl1.Parent = this;
  PageControl1.SetBounds(0, 8, 321, 329);
  PageControl1.Pages = {&TabSheet1, &TabSheet2};
  TabSheet1.Caption = "Environment";
  TabSheet2.Caption = "MotionArray";
  TabSheet1.Parent = TabSheet2.Parent = &PageControl1;

  ui::Label* headings[] = {&CX, &CY, &CZ};
  ui::Edit* points[4][3] = {{&CP0X, &CP0Y, &CP0Z}, {&CP1X, &CP1Y, &CP1Z}, {&CP2X, &CP2Y, &CP2Z}, {&CP3X, &CP3Y, &CP3Z}};
  ui::Button* captures[] = {&CAP0, &CAP1, &CAP2, &CAP3};
  const int columns[] = {12, 57, 102};
  for (int c = 0; c < 3; ++c) {
    headings[c]->Parent = &TabSheet1;
    headings[c]->SetBounds(columns[c], 7, 0, 0);
    headings[c]->Caption = headings[c]->Name;
    for (int p = 0; p < 4; ++p) {
      points[p][c]->Parent = &TabSheet1;
      points[p][c]->SetBounds(columns[c], 23 + 24 * p, 40, 20);
      points[p][c]->Text = "0";
    }
  }
  for (int p = 0; p < 4; ++p) {
    captures[p]->Parent = &TabSheet1;
    captures[p]->SetBounds(144, 25 + 24 * p, 30, 17);
    captures[p]->Caption = "cap";
    captures[p]->Tag = p;
  }
  Grid2.Parent = &TabSheet1;
  Grid2.SetBounds(176, 24, 129, 89);
  Grid2.SetSize(6, 4);
  Grid2.FixedCols = Grid2.FixedRows = 0;
  Grid2.DefaultColWidth = Grid2.DefaultRowHeight = 20;

  ui::Label* live[] = {&LPitch, &LYaw, &LDist};
  ui::Edit* look[] = {&LX, &LY, &LZ};
  ui::Edit* camera[] = {&Pitch, &Yaw, &Dist};
  const int fields[] = {48, 104, 160};
  for (int i = 0; i < 3; ++i) {
    live[i]->Parent = look[i]->Parent = camera[i]->Parent = &TabSheet1;
    live[i]->SetBounds(fields[i], 184, 0, 0);
    live[i]->Caption = "Label1";
    look[i]->SetBounds(fields[i], 208, 49, 20);
    camera[i]->SetBounds(fields[i], 232, 49, 20);
    look[i]->Text = i == 0 ? "LX" : "Edit1";
    camera[i]->Text = "Edit1";
  }
  Cap4.Parent = &TabSheet1;
  Cap4.SetBounds(216, 208, 49, 17);
  Cap4.Caption = "capture";

  Grid1.Parent = &TabSheet2;
  Grid1.SetBounds(0, 0, 313, 301);
  Grid1.SetSize(12, 18);
  Grid1.FixedCols = Grid1.FixedRows = 1;
  Grid1.DefaultColWidth = 20;
  Grid1.DefaultRowHeight = 15;

  EnvOK.Parent = this;
  EnvOK.SetBounds(240, 344, 75, 25);
  EnvOK.Caption = "Save";
}

void TForm2::BindEvents() {
  auto bind = [this](void (TForm2::*handler)(ui::Component*)) { return ui::Handler(this, handler); };
  OnCreate = bind(&TForm2::FormCreate);
  OnShow = bind(&TForm2::FormShow);
  EnvOK.OnClick = bind(&TForm2::EnvOKClick);
  for (ui::Button* cap : {&CAP0, &CAP1, &CAP2, &CAP3}) cap->OnClick = bind(&TForm2::CAP0Click);
  Cap4.OnClick = bind(&TForm2::Cap4Click);
  LoadAll.OnExecute = bind(&TForm2::LoadAllExecute);
  SaveAll.OnExecute = bind(&TForm2::SaveAllExecute);
}

std::array<ui::Edit*, std::tuple_size_v<decltype(kEnvironmentKeys)>> TForm2::KeyFields() {
  return {&CP0X, &CP0Y, &CP0Z, &CP1X, &CP1Y, &CP1Z, &CP2X, &CP2Y, &CP2Z,
          &CP3X, &CP3Y, &CP3Z, &LX,   &LY,   &LZ,   &Pitch, &Yaw, &Dist};
}

std::string TForm2::SceneFile(const char* file) const { return ScenePath(BaseDir, SceneFolder, file); }

void TForm2::FormCreate(ui::Component*) { BaseDir = os::GetCurrentDir(); }

void TForm2::FormShow(ui::Component*) { LoadAll.Execute(); }

void TForm2::EnvOKClick(ui::Component*) { SaveAll.Execute(); }

void TForm2::CAP0Click(ui::Component* sender) {
  const auto* button = dynamic_cast<const ui::Button*>(sender);
  if (button == nullptr || button->Tag < 0 || button->Tag >= kSelectPoints) return;  // one per control point
  const auto fields = KeyFields();
  const size_t first = static_cast<size_t>(button->Tag) * 3;
  fields[first]->Text = CX.Caption;
  fields[first + 1]->Text = CY.Caption;
  fields[first + 2]->Text = CZ.Caption;
}

void TForm2::Cap4Click(ui::Component*) {
  LX.Text = CX.Caption;
  LY.Text = CY.Caption;
  LZ.Text = CZ.Caption;
  Pitch.Text = LPitch.Caption;
  Yaw.Text = LYaw.Caption;
  Dist.Text = LDist.Caption;
}

void TForm2::LoadAllExecute(ui::Component*) {
  SceneFolder = viewer_.Form1->SceneFolderName();
  const os::IniFile ini(SceneFile("env.ini"));
  Caption = SceneFolder;
  const auto fields = KeyFields();
  for (size_t i = 0; i < fields.size(); ++i)
    fields[i]->Text = os::SystemToUtf8(ini.ReadString(kEnvironmentSection, kEnvironmentKeys[i].Name, "0"));

  ui::StringList motions;
  motions.LoadFromFile(SceneFile("motion.txt"));
  grid1_file_.Load(Grid1, motions);
  ui::StringList select;
  select.LoadFromFile(SceneFile("marray.txt"));
  grid2_file_.Load(Grid2, select);
}

// Every field is converted before anything is written, and each file is replaced whole through a
// temporary file: a field that is not a number, or a failed write, never leaves a half-new file.
void TForm2::SaveAllExecute(ui::Component*) {
  SceneFolder = viewer_.Form1->SceneFolderName();
  std::vector<std::pair<std::string, std::string>> values;
  const auto fields = KeyFields();
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::string& text = fields[i]->Text;
    const std::optional<double> value = ui::TryStrToFloat(text);
    if (!value) throw ui::NotFloatError(text);
    values.emplace_back(kEnvironmentKeys[i].Name, ui::FloatToStr(*value));
  }
  os::IniFile ini(SceneFile("env.ini"));
  if (!ini.WriteStrings(kEnvironmentSection, values))
    throw ui::IniWriteError(os::SystemToUtf8(os::NativePath(ini.FileName())));
  grid1_file_.Lines(Grid1).SaveToFile(SceneFile("motion.txt"));
  grid2_file_.Lines(Grid2).SaveToFile(SceneFile("marray.txt"));
}
