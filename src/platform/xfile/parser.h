#pragma once
// The data objects of a .x body, read into one merged mesh. Internal to the .x reader.
#include <string_view>

#include "platform/xfile/xfile.h"

namespace xfile::detail {

// The body is what follows the 16-byte header (decompressed, for tzip and bzip). Throws Failure.
XMesh ParseTextBody(std::string_view body, bool decompressed);
XMesh ParseBinaryBody(std::string_view body, bool doubles, bool decompressed);

}  // namespace xfile::detail
