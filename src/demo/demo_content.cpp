#include "demo/demo_content.h"

#include <vector>

#include "demo/help_page.h"
#include "demo/output_files.h"
#include "demo/scene_writer.h"
#include "demo/sys_folder.h"
#include "platform/gfx/reference/reference_device.h"

namespace demo {

namespace {

std::vector<SceneSetup> DemoScenes() {
  std::vector<SceneSetup> scenes(4);
  scenes[0].Id = 10;
  scenes[0].Creature = MomoDesign();
  scenes[0].MakeBackdrop = MeadowBackdrop;
  scenes[1].Id = 20;
  scenes[1].Creature = DripDesign();
  scenes[1].MakeBackdrop = PlayroomBackdrop;
  scenes[1].Tempo = 1.15f;
  scenes[2].Id = 30;
  scenes[2].Creature = StellaDesign();
  scenes[2].MakeBackdrop = StarryBackdrop;
  scenes[2].Tempo = 0.9f;
  // The second scene of group 1, reached with keypad 1; its motion labels are Japanese.
  scenes[3].Id = 11;
  scenes[3].Creature = BooDesign();
  scenes[3].MakeBackdrop = DuskBackdrop;
  scenes[3].JapaneseLabels = true;
  return scenes;
}

// A device for loading the key-shape models during their export; nothing is drawn on it.
std::unique_ptr<gfx::Device> LoadingDevice() {
  return gfx::ReferenceDevice::Create(1, 1);
}

}  // namespace

bool WriteDemoContent(const std::string& dir, std::string* error) {
  if (!WriteSysFolder(dir, error)) return false;
  auto device = LoadingDevice();
  if (!device) {
    if (error) *error = "cannot create a device for the key-shape export";
    return false;
  }
  for (const SceneSetup& scene : DemoScenes())
    if (!WriteScene(dir, scene, *device, error)) return false;
  return WriteOutputFile(dir + "/develop.txt", "", error) && WriteOutputFile(dir + "/help.html", HelpPageHtml(), error);
}

}  // namespace demo
