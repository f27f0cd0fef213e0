#pragma once
// The sys folder every scene shares: marker meshes and screen art.
#include <string>

namespace demo {

// Writes root/sys: ctrl.x (the control point marker), centerp.x (the look-at marker), mozaik.dds,
// cursor2.dds, logo.dds, 1.dds .. 5.dds, 1h.dds .. 5h.dds and multi1.dds.
bool WriteSysFolder(const std::string& root, std::string* error);

}  // namespace demo
