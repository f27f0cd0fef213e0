#pragma once
// Everything in a scene folder that would make the viewer show an error, morph wrongly or draw
// nothing, found without starting the viewer.
#include <string>
#include <vector>

#include "platform/gfx/device.h"

// One line per problem, each naming the file it is about, for scene scene_id below base_dir.
// Nothing when the scene is sound.
std::vector<std::string> CheckScene(gfx::Device& device, const std::string& base_dir, int scene_id);
