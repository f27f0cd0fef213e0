#pragma once
// TForm1: the main window. Its components, its life (create, show, close) and the frame loop; the
// handlers of the menu, the status timer and the input are methods named after component and event.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/gfx/device.h"
#include "platform/ui/components.h"

class Viewer;
struct ViewerState;

// The rendering panel's window as the device sees it: it keeps the last presented picture for the
// front end to show, or names the desktop window a device may draw into itself.
class PanelWindow final : public gfx::PresentTarget {
 public:
  void ShowFrame(const gfx::Image& frame) override {
    Frame = frame;
    ++Presents;
  }
  bool HasNativeWindow() const override { return static_cast<bool>(NativeWindowHook); }
  std::uintptr_t NativeWindow() const override { return NativeWindowHook ? NativeWindowHook() : 0; }
  gfx::Image Frame;
  std::uint64_t Presents = 0;
  std::function<std::uintptr_t()> NativeWindowHook;
};

class TForm1 : public ui::Form {
 public:
  explicit TForm1(Viewer& viewer);
  ~TForm1() override;

  // Components, in the order of the window's design.
  ui::Timer Timer1{"Timer1"};
  ui::Component ActionList1{"ActionList1"};
  ui::Action Init{"Init"};
  ui::Action UnInit{"UnInit"};
  ui::Panel Panel1{"Panel1"};
  ui::StatusBar StatusBar1{"StatusBar1"};
  ui::MainMenu MainMenu1{"MainMenu1"};
  ui::MenuItem FileMenu{"FileMenu", "File"};
  ui::MenuItem FileClose{"FileClose", "Close", ui::CtrlKey('Q')};
  ui::Panel Panel2{"Panel2"};
  ui::Label Label1{"Label1"};
  ui::Label Label2{"Label2"};
  ui::MenuItem OptionMenu{"OptionMenu", "Option"};
  ui::MenuItem OptionStatus{"OptionStatus", "Status", ui::key::F(12)};
  ui::MenuItem OptionRenderBack{"OptionRenderBack", "RenderBack", ui::CtrlKey('B')};
  ui::MenuItem OptionNormals{"OptionNormals", "ComputeNormals", ui::CtrlKey('N')};
  ui::MenuItem OptionWrite{"OptionWrite", "WriteVertexInfo", ui::CtrlKey('W')};
  ui::MenuItem OptionRead{"OptionRead", "ReadVertex", ui::CtrlKey('R')};
  ui::MenuItem OptionModify{"OptionModify", "Modify", ui::CtrlKey('M')};
  ui::Action UpdateStatus{"UpdateStatus"};
  ui::MenuItem N1{"N1", "-"};
  ui::MenuItem OptionLoadMotion{"OptionLoadMotion", "LoadMotion", ui::CtrlKey('L')};
  ui::Label Label3{"Label3"};
  ui::MenuItem OptionDebug{"OptionDebug", "Debug", ui::CtrlKey('D')};
  ui::Memo Memo1{"Memo1"};
  ui::MenuItem OptionDemo{"OptionDemo", "Demo", ui::key::F(11)};
  ui::MenuItem DemoMenu{"DemoMenu", "Demo"};
  ui::MenuItem BackMenu{"BackMenu", "Back"};
  ui::MenuItem HelpMenu{"HelpMenu", "Help"};

  // Panel1's window, where the device presents.
  PanelWindow Panel1Window;

  // Life of the window and the frame loop.
  void FormCreate(ui::Component* sender);
  void FormShow(ui::Component* sender);
  void InitExecute(ui::Component* sender);
  void UnInitExecute(ui::Component* sender);
  void FileCloseClick(ui::Component* sender);
  void ApplicationIdle(ui::Component* sender, bool& done);

  // Menu commands and status.
  void UpdateStatusExecute(ui::Component* sender);
  void Timer1Timer(ui::Component* sender);
  void OptionStatusClick(ui::Component* sender);
  void OptionDebugClick(ui::Component* sender);
  void OptionRenderBackClick(ui::Component* sender);
  void BackMenuClick(ui::Component* sender);
  void OptionNormalsClick(ui::Component* sender);
  void OptionModifyClick(ui::Component* sender);
  void OptionDemoClick(ui::Component* sender);
  void DemoMenuClick(ui::Component* sender);
  void OptionReadClick(ui::Component* sender);
  void OptionWriteClick(ui::Component* sender);
  void OptionLoadMotionClick(ui::Component* sender);
  void HelpMenuClick(ui::Component* sender);

  // "dir%d" of the stored SceneId.
  std::string SceneFolderName() const;

  Viewer& GetViewer() { return viewer_; }

 private:
  void LayOut();
  void BindEvents();
  void RegisterComponents();

  Viewer& viewer_;
  ViewerState& state_;
};
