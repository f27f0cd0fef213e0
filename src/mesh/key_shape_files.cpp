// Writing a loaded mesh as a key shape: <name>.idt holds its index buffer as it is (three 16-bit
// vertex numbers per face, little-endian), <name>.vdt the first 12 bytes (the position) of every
// 32-byte vertex.
#include <cstring>

#include "mesh/MyXOBJ.h"
#include "platform/os/codepage.h"
#include "platform/os/file.h"
#include "platform/os/path.h"
#include "platform/ui/errors.h"

namespace {

// The name with its extension (after the last dot of the last component) replaced.
std::string WithExtension(const std::string& name, const char* extension) {
  const size_t separator = name.find_last_of("\\/:");
  const size_t dot = name.rfind('.');
  const bool has_extension = dot != std::string::npos && (separator == std::string::npos || dot > separator);
  return (has_extension ? name.substr(0, dot) : name) + extension;
}

}  // namespace

bool MyXOBJ::WriteKeyShapeFiles(std::string* error) {
  if (!Loaded) return false;
  const std::string idt = WithExtension(FileName, ".idt"), vdt = WithExtension(FileName, ".vdt");
  const std::string indices(reinterpret_cast<const char*>(IndexBuffer->Data()), size_t{NumIndices} * 2);
  std::string positions(size_t{NumVertices} * 12, '\0');
  for (size_t n = 0; n < NumVertices; ++n)
    std::memcpy(positions.data() + 12 * n, VertexBuffer->Data() + n * sizeof(gfx::MeshVertex), 12);
  const std::pair<const std::string*, const std::string*> files[] = {{&idt, &indices}, {&vdt, &positions}};
  for (const auto& [path, bytes] : files) {
    if (!os::ReplaceWholeFile(*path, *bytes)) {
      if (error) *error = ui::FileCreateError(os::SystemToUtf8(os::NativePath(*path))).what();
      return false;
    }
  }
  return true;
}
