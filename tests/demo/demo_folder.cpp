#include "demo_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <variant>

#include "demo/demo_content.h"
#include "support/temp_dir.h"

namespace test {

const std::string& DemoFolder() {
  static const std::unique_ptr<TempDir> root = [] {
    auto dir = std::make_unique<TempDir>();
    std::string error;
    if (!demo::WriteDemoContent(dir->Path() + "/demo", &error)) ADD_FAILURE() << "WriteDemoContent: " << error;
    return dir;
  }();
  static const std::string path = root->Path() + "/demo";
  return path;
}

xfile::XMesh LoadDemoMesh(int scene, const std::string& file) {
  auto result = xfile::LoadXFile(DemoFolder() + "/dir" + std::to_string(scene) + "/" + file);
  if (auto* error = std::get_if<xfile::XFileError>(&result)) {
    ADD_FAILURE() << file << ": " << error->Message;
    return {};
  }
  return std::get<xfile::XMesh>(std::move(result));
}

}  // namespace test
