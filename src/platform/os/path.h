#pragma once
// Paths as the viewer builds them ("\" between components, as scene files written on Windows expect)
// turned into paths this system can open.
#include <string>
#include <string_view>

namespace os {

// The path with "\" and "/" both read as separators, written with this system's separator, and
// repeated separators collapsed into one. Nothing is looked up on disk.
std::string NativePath(std::string_view path);

// NativePath, and when that does not exist as written, each component matched against the entries of
// its folder without regard to ASCII letter case ("DIR10\Model.X" opens "dir10/model.x"). An exact
// match wins over a case-blind one. When no match exists the NativePath form is returned.
std::string ResolvePath(std::string_view path);

// The process's current directory, without a trailing separator (except for the root).
std::string GetCurrentDir();
bool SetCurrentDir(std::string_view path);

}  // namespace os
