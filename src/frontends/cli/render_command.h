#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// korvel render [--root DIR] [--device reference|opengl] [--script FILE] [--out FILE.png] [--clock-start MS]
int RenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
