#pragma once
// The demo folder, generated once for the whole test run into a temporary folder, and small helpers
// the demo tests share.
#include <string>

#include "platform/xfile/xfile.h"

namespace test {

// The folder WriteDemoContent filled; the test fails at once where that did not succeed.
const std::string& DemoFolder();

// The scenes the demo writes.
inline constexpr int kDemoScenes[] = {10, 20, 30, 11};

// A scene's model.x (or another file of the folder) as the X reader makes it.
xfile::XMesh LoadDemoMesh(int scene, const std::string& file);

}  // namespace test
