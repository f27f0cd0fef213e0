#pragma once
// TForm2: the environment editor window. It shows and edits the current scene's env.ini, motion.txt
// and marray.txt, and in the debug view shows the live camera.
#include <array>
#include <string>
#include <tuple>

#include "environment/grid_file.h"
#include "environment/scene_environment.h"
#include "platform/ui/components.h"

class Viewer;

class TForm2 : public ui::Form {
 public:
  explicit TForm2(Viewer& viewer);

  ui::PageControl PageControl1{"PageControl1"};
  ui::TabSheet TabSheet1{"TabSheet1"};
  ui::TabSheet TabSheet2{"TabSheet2"};
  ui::Edit CP0X{"CP0X"}, CP0Y{"CP0Y"}, CP0Z{"CP0Z"}, CP1X{"CP1X"}, CP1Y{"CP1Y"}, CP1Z{"CP1Z"};
  ui::Edit CP2X{"CP2X"}, CP2Y{"CP2Y"}, CP2Z{"CP2Z"}, CP3X{"CP3X"}, CP3Y{"CP3Y"}, CP3Z{"CP3Z"};
  ui::Label CX{"CX"}, CY{"CY"}, CZ{"CZ"};
  ui::Button CAP0{"CAP0"}, CAP1{"CAP1"}, CAP2{"CAP2"}, CAP3{"CAP3"};
  ui::Edit LX{"LX"}, LY{"LY"}, LZ{"LZ"};
  ui::Edit Pitch{"Pitch"}, Yaw{"Yaw"}, Dist{"Dist"};
  ui::Button Cap4{"Cap4"};
  ui::Label LDist{"LDist"}, LYaw{"LYaw"}, LPitch{"LPitch"};
  ui::Button EnvOK{"EnvOK"};
  ui::Component ActionList1{"ActionList1"};
  ui::Action SaveAll{"SaveAll"};
  ui::Action LoadAll{"LoadAll"};
  ui::StringGrid Grid1{"Grid1"};
  ui::StringGrid Grid2{"Grid2"};

  // The current directory when the window was made: the base of the editor's paths.
  std::string BaseDir;
  // The scene folder the last load or save addressed.
  std::string SceneFolder;

  void FormCreate(ui::Component* sender);
  void FormShow(ui::Component* sender);
  void EnvOKClick(ui::Component* sender);
  // One handler for the four "cap" buttons: the sender's tag names the control point.
  void CAP0Click(ui::Component* sender);
  void Cap4Click(ui::Component* sender);
  void LoadAllExecute(ui::Component* sender);
  void SaveAllExecute(ui::Component* sender);

  // The edit field of each env.ini key, in the order of kEnvironmentKeys.
  std::array<ui::Edit*, std::tuple_size_v<decltype(kEnvironmentKeys)>> KeyFields();

 private:
  void LayOut();
  void BindEvents();
  std::string SceneFile(const char* file) const;

  Viewer& viewer_;
  GridFile grid1_file_, grid2_file_;
};
