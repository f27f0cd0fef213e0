#pragma once
// A folder of its own for each fuzzing process, for the readers that take a path: created on first
// use, removed at exit.
#include <string>
#include <string_view>

namespace fuzz {

const std::string& ScratchDir();
// Writes bytes to ScratchDir()/name (folders on the way must exist); aborts when it cannot, since a
// run that silently reads nothing would fuzz nothing.
void WriteScratchFile(std::string_view name, std::string_view bytes);

}  // namespace fuzz
