#include "app/key_shape_export.h"

#include <memory>

#include "mesh/MyXOBJ.h"
#include "platform/ui/format.h"

std::vector<std::string> ExportKeyShapes(gfx::Device& device, const std::string& base_dir, int scene_id) {
  std::vector<std::string> lines;
  for (int i = 0; i < kKeyShapeModels; ++i) {
    const std::string path = base_dir + ui::Format("\\dir%d\\%d.x", scene_id, i);
    auto mesh = std::make_unique<MyXOBJ>();
    mesh->Init();
    if (mesh->Load(device, path, kMeshLoadFlags)) {
      std::string error;
      if (mesh->WriteKeyShapeFiles(&error)) {
        lines.push_back(ui::Format("X No.%d[%u/%u]", i, mesh->NumIndices, mesh->NumVertices));
      } else {
        lines.push_back(ui::Format("X No.%d: ", i) + error);
      }
    }
    mesh->Free();
  }
  return lines;
}
