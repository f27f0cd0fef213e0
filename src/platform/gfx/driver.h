#pragma once
// The driver of this system: hardware devices where OpenGL can make them, the reference device always.
#include <memory>

#include "platform/gfx/device.h"

namespace gfx {

inline constexpr unsigned kDriverVersion = 220;

// Nothing when the version is not the one this layer implements.
std::unique_ptr<Driver> CreateDriver(unsigned version);

}  // namespace gfx
