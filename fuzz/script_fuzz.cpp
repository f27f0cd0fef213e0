// The headless driver's script parser on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frontends/cli/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  cli::ParseScript(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
