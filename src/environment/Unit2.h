#pragma once
// TForm2: the environment editor window. It shows and edits the current scene's env.ini, motion.txt
// and marray.txt, and in the debug view shows the live camera.
#include <array>
#include <string>

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

 private:
  void LayOut();

  Viewer& viewer_;
};
