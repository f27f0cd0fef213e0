// The .x reader on arbitrary bytes: text, binary and both compressed forms.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/xfile/xfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  xfile::ReadXFile(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
