#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// korvel demo DIR: writes the demo scenes and their shared art into DIR.
int DemoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
