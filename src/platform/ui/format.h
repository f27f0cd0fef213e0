#pragma once
// printf-style formatting into a string, for the system's texts ("FPS:%.2f", "Scene:%d", "dir%d").
#include <string>

namespace ui {

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string Format(const char* format, ...);

}  // namespace ui
