#pragma once
// Writes a mesh as an X file that the reader reads back to the same mesh: one Mesh with its
// normals (normal faces equal to the position faces), texture coordinates and material list.
#include <string>

#include "platform/xfile/xfile.h"

namespace xfile {

std::string WriteTextXFile(const XMesh& mesh);
// The same mesh in the binary form with 32-bit floats.
std::string WriteBinaryXFile(const XMesh& mesh);

}  // namespace xfile
