#pragma once
// The key-shape export: every numbered model 0.x .. 99.x of the current scene folder
// exported as a key shape.
#include <string>
#include <vector>

#include "platform/gfx/device.h"

inline constexpr int kKeyShapeModels = 100;

// Exports the key shapes of folder dir<scene_id> below base_dir and returns one line per model that
// loaded: "X No.%d[%d/%d]" (number, indices, vertices) when both files were written, else the number
// and why not.
std::vector<std::string> ExportKeyShapes(gfx::Device& device, const std::string& base_dir, int scene_id);
