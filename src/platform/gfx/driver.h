#pragma once
// The driver of this system: hardware devices where OpenGL can make them, the reference device always.
#include <memory>

#include "platform/gfx/device.h"

namespace gfx {

inline constexpr unsigned kDriverVersion = 220;

// Nothing when the version is not the one this layer implements. Without opengl the driver makes
// only the reference device (the headless tool's default: its pictures must not depend on a GPU).
std::unique_ptr<Driver> CreateDriver(unsigned version, bool opengl = true);

// Which device this is, for a log line: "OpenGL, vertex processing on the GPU", "... on the CPU" or
// "reference".
const char* DescribeDevice(const Device& device);

}  // namespace gfx
