#include "app/Unit1.h"

#include <cmath>

#include "app/key_shape_export.h"
#include "app/viewer.h"
#include "environment/Unit2.h"
#include "navigation/camera.h"
#include "navigation/input.h"
#include "navigation/scene_loader.h"
#include "platform/os/file.h"
#include "platform/os/path.h"
#include "platform/ui/format.h"
#include "render/device_setup.h"
#include "render/frame_composition.h"
#include "render/shared_resources.h"

namespace {
constexpr gfx::Color kClearColor = 0xFF505064;
// A frame-rate figure is taken once this many frames have passed since the last one.
constexpr std::uint32_t kFpsFrames = 20;
constexpr float kDemoTurnRate = 3.0f;    // the demo camera turns FrameTime / 3 radians per pass
constexpr float kDemoSceneYaw = 10.0f;   // the demo moves to the next group past this yaw
constexpr float kFullTurn = 6.28f;
constexpr int kDemoGroups = 3;
}  // namespace

TForm1::TForm1(Viewer& viewer) : ui::Form("Form1"), viewer_(viewer), state_(viewer.State) {
  Panel1Window.NativeWindowHook = viewer.GetPlatform().PanelNativeWindow;
  LayOut();
  BindEvents();
  RegisterComponents();

  // The long-lived objects exist, empty, from here until the window closes.
  ViewerState& s = state_;
  auto make_sprite = [] {
    auto sprite = std::make_unique<My2DOBJ>();
    sprite->Clear();
    return sprite;
  };
  s.MosaicSprite = make_sprite();
  s.CursorSprite = make_sprite();
  s.LogoSprite = make_sprite();
  for (size_t i = 0; i < s.ButtonSprites.size(); ++i) {
    s.ButtonSprites[i] = make_sprite();
    s.HighlightSprites[i] = make_sprite();
  }
  for (auto* mesh : {&s.BackgroundMesh, &s.ModelMesh, &s.ControlMesh, &s.CenterMesh}) {
    *mesh = std::make_unique<MyXOBJ>();
    (*mesh)->Init();
  }
  s.MotionObjects.clear();
  for (int i = 0; i < s.MotionObjectCount; ++i) {
    s.MotionObjects.push_back(std::make_unique<MyMotionOBJ>());
    s.MotionObjects.back()->Clear();
  }
}

TForm1::~TForm1() = default;

void TForm1::LayOut() {
  Caption = "Korvel Viewer";
  SetBounds(197, 117, 640, 499);
  ClientWidth = 640;
  ClientHeight = 499;
  BorderIcons = false;
  Resizable = false;
  KeyPreview = true;

  Panel1.Parent = this;
  Panel1.SetBounds(0, 0, 640, 480);
  StatusBar1.Parent = this;
  StatusBar1.SetBounds(0, 480, 640, 19);
  for (int width : {80, 50, 50, 80, 50}) StatusBar1.Panels.push_back({width, ""});

  Panel2.Parent = this;
  Panel2.SetBounds(8, 312, 457, 161);
  Panel2.Visible = false;
  for (ui::Label* label : {&Label1, &Label2, &Label3}) {
    label->Parent = &Panel2;
    label->Caption = label->Name;
  }
  Label1.SetBounds(8, 5, 0, 0);
  Label2.SetBounds(8, 21, 0, 0);
  Label3.SetBounds(8, 40, 0, 0);
  Memo1.Parent = &Panel2;
  Memo1.SetBounds(8, 56, 425, 81);

  Timer1.Interval = 100;

  MainMenu1.Items = {&FileMenu, &OptionMenu, &DemoMenu, &BackMenu, &HelpMenu};
  FileMenu.Items = {&FileClose};
  OptionMenu.Items = {&OptionStatus, &OptionDebug, &OptionRenderBack, &OptionNormals, &OptionModify,
                      &OptionDemo,   &N1,          &OptionWrite,      &OptionRead,    &OptionLoadMotion};
  OptionRead.Visible = false;
  OptionLoadMotion.Visible = false;
  OptionRenderBack.Checked = true;
  OptionNormals.Checked = true;
  OptionModify.Checked = true;
}

void TForm1::BindEvents() {
  auto bind = [this](void (TForm1::*handler)(ui::Component*)) { return ui::Handler(this, handler); };
  OnCreate = bind(&TForm1::FormCreate);
  OnShow = bind(&TForm1::FormShow);
  Init.OnExecute = bind(&TForm1::InitExecute);
  UnInit.OnExecute = bind(&TForm1::UnInitExecute);
  UpdateStatus.OnExecute = bind(&TForm1::UpdateStatusExecute);
  Timer1.OnTimer = bind(&TForm1::Timer1Timer);
  FileClose.OnClick = bind(&TForm1::FileCloseClick);
  OptionStatus.OnClick = bind(&TForm1::OptionStatusClick);
  OptionDebug.OnClick = bind(&TForm1::OptionDebugClick);
  OptionRenderBack.OnClick = bind(&TForm1::OptionRenderBackClick);
  BackMenu.OnClick = bind(&TForm1::BackMenuClick);
  OptionNormals.OnClick = bind(&TForm1::OptionNormalsClick);
  OptionModify.OnClick = bind(&TForm1::OptionModifyClick);
  OptionDemo.OnClick = bind(&TForm1::OptionDemoClick);
  DemoMenu.OnClick = bind(&TForm1::DemoMenuClick);
  OptionRead.OnClick = bind(&TForm1::OptionReadClick);
  OptionWrite.OnClick = bind(&TForm1::OptionWriteClick);
  OptionLoadMotion.OnClick = bind(&TForm1::OptionLoadMotionClick);
  HelpMenu.OnClick = bind(&TForm1::HelpMenuClick);
  Panel1.OnMouseDown = [this](ui::Component*, ui::MouseButton, ui::ShiftState, int, int) { Panel1MouseDown(viewer_); };
  Panel1.OnMouseMove = [this](ui::Component*, ui::ShiftState shift, int x, int y) {
    Panel1MouseMove(viewer_, shift, x, y);
  };
  Panel1.OnMouseUp = [this](ui::Component*, ui::MouseButton, ui::ShiftState, int, int) { Panel1MouseUp(viewer_); };
  OnMouseWheelDown = [this](ui::Component*, ui::ShiftState, int, int, bool&) { FormMouseWheelDown(viewer_); };
  OnMouseWheelUp = [this](ui::Component*, ui::ShiftState, int, int, bool&) { FormMouseWheelUp(viewer_); };
  OnKeyUp = [this](ui::Component*, ui::KeyCode& key, ui::ShiftState) { FormKeyUp(viewer_, key); };
}

void TForm1::RegisterComponents() {
  for (ui::Component* c : std::initializer_list<ui::Component*>{
           &Timer1, &ActionList1, &Init, &UnInit, &Panel1, &StatusBar1, &MainMenu1, &FileMenu, &FileClose,
           &Panel2, &Label1, &Label2, &OptionMenu, &OptionStatus, &OptionRenderBack, &OptionNormals,
           &OptionWrite, &OptionRead, &OptionModify, &UpdateStatus, &N1, &OptionLoadMotion, &Label3,
           &OptionDebug, &Memo1, &OptionDemo, &DemoMenu, &BackMenu, &HelpMenu})
    Register(*c);
}

void TForm1::FormCreate(ui::Component*) {
  Init.Execute();
  state_.Active = true;
  UpdateStatus.Execute();
  const std::uint32_t now = viewer_.TimeGetTime();
  state_.FpsSampleTime = now;
  state_.FpsBaseTime = now - 10;  // unsigned: the first interval is never 0 ms
}

void TForm1::FormShow(ui::Component*) {
  if (!os::FileExists("develop.txt")) {
    OptionMenu.Enabled = false;
    OptionMenu.Visible = false;
    ++MainMenu1.Revision;
  }
}

void TForm1::InitExecute(ui::Component*) {
  if (SetupDevice(viewer_)) SetupSharedResources(viewer_);
}

void TForm1::UnInitExecute(ui::Component*) {
  state_.Active = false;
  ReleaseSharedResources(viewer_);
  ReleaseDevice(viewer_);
}

void TForm1::FileCloseClick(ui::Component*) {
  UnInit.Execute();
  Close();
}

void TForm1::ApplicationIdle(ui::Component*, bool& done) {
  ViewerState& s = state_;
  if (s.Active) {
    // Frames are drawn only while a device exists: after a failed set-up, or after the release at
    // close, the loop keeps counting but touches nothing.
    if (gfx::Device* device = s.GetDevice()) {
      device->Clear(gfx::kClearTarget | gfx::kClearZBuffer, kClearColor, 1.0f, 0);
      if (device->BeginScene()) {
        ComposeFrame(viewer_);
        device->EndScene();
        if (!device->Present()) device->Reset(*s.GetPresentParams());
      }
    }
    const std::uint32_t frames = s.FrameCount - s.FpsBaseFrame;
    if (frames > kFpsFrames) {
      s.FpsSampleTime = viewer_.TimeGetTime();
      const std::uint32_t elapsed = s.FpsSampleTime - s.FpsBaseTime;
      // No elapsed time means an unmeasurably high rate: its reciprocal is 0, as IEEE division gives.
      const double fps = elapsed == 0 ? 0.0 : static_cast<double>(frames) / static_cast<double>(elapsed) * 1000.0;
      s.FrameTime = elapsed == 0 ? 0.0f : static_cast<float>(1.0 / fps);
      s.FpsBaseFrame = s.FrameCount;
      s.FpsBaseTime = s.FpsSampleTime;
    }
    s.FrameCount += 1;
  }
  if (s.Demo) {
    s.Yaw = s.Yaw + s.FrameTime / kDemoTurnRate;
    s.Pitch = std::sin(s.Yaw) / 3.0f;
    UpdateCamera(viewer_);
    Label3.Caption = ui::Format("%.2f", static_cast<double>(s.Yaw));
    if (s.Yaw > kDemoSceneYaw) {
      s.SceneGroup += 1;
      s.SceneIndex = 0;
      if (s.SceneGroup > kDemoGroups) s.SceneGroup = 1;
      s.SceneId = s.SceneGroup * 10 + s.SceneIndex;
      LoadScene(viewer_, s.SceneId);
      if (s.Yaw > kFullTurn) s.Yaw = 0.0f;
    }
  }
  viewer_.Application.ProcessMessages();
  done = false;
}

void TForm1::UpdateStatusExecute(ui::Component*) {
  std::string text;
  if (state_.ComputeNormals) text += "N:";
  if (state_.Modify) text += "M:";
  StatusBar1.Panels[1].Text = text;
}

void TForm1::Timer1Timer(ui::Component*) {
  ViewerState& s = state_;
  if (s.FrameTime != 0.0f) {
    StatusBar1.Panels[0].Text = ui::Format("FPS:%.2f", 1.0 / static_cast<double>(s.FrameTime));
    StatusBar1.Panels[2].Text = ui::Format("V:%.2f", static_cast<double>(s.MorphSpeed));
  }
  if (!s.Grabbing) {
    s.MorphSpeed = static_cast<float>(s.MorphSpeed - 0.05);
    if (!(s.MorphSpeed >= 1.0f)) s.MorphSpeed = 1.0f;
  }
}

void TForm1::OptionStatusClick(ui::Component*) { Panel2.Visible = !Panel2.Visible; }

// The editor shows exactly while the debug view is on; showing it loads the current scene's files.
void TForm1::OptionDebugClick(ui::Component*) {
  state_.Debug = !state_.Debug;
  if (!viewer_.Form2) return;
  if (state_.Debug)
    viewer_.Form2->Show();
  else
    viewer_.Form2->Hide();
}

void TForm1::OptionRenderBackClick(ui::Component*) {
  state_.RenderBack = !state_.RenderBack;
  OptionRenderBack.Checked = state_.RenderBack;
  UpdateStatus.Execute();
}

void TForm1::BackMenuClick(ui::Component* sender) { OptionRenderBackClick(sender); }

void TForm1::OptionNormalsClick(ui::Component*) {
  state_.ComputeNormals = !state_.ComputeNormals;
  if (state_.ModelMesh) state_.ModelMesh->RecomputeNormals = state_.ComputeNormals;
  OptionNormals.Checked = state_.ComputeNormals;
  UpdateStatus.Execute();
}

void TForm1::OptionModifyClick(ui::Component*) {
  state_.Modify = !state_.Modify;
  OptionModify.Checked = state_.Modify;
  UpdateStatus.Execute();
}

void TForm1::OptionDemoClick(ui::Component*) { state_.Demo = !state_.Demo; }

void TForm1::DemoMenuClick(ui::Component* sender) { OptionDemoClick(sender); }

void TForm1::OptionReadClick(ui::Component*) {}

void TForm1::OptionWriteClick(ui::Component*) {
  Panel2.Visible = true;
  Memo1.Lines.clear();
  Memo1.Invalidate();
  // A front end that processes its messages here shows the panel while the export runs.
  viewer_.Application.ProcessMessages();
  if (gfx::Device* device = state_.GetDevice())
    for (std::string& line : ExportKeyShapes(*device, os::GetCurrentDir(), state_.SceneId))
      Memo1.Lines.push_back(std::move(line));
  Memo1.Invalidate();
  Panel2.Visible = false;
}

void TForm1::OptionLoadMotionClick(ui::Component*) { LoadScene(viewer_, state_.SceneId); }

void TForm1::HelpMenuClick(ui::Component*) { viewer_.Application.ShellOpen("help.html"); }

std::string TForm1::SceneFolderName() const { return ui::Format("dir%d", state_.SceneId); }
