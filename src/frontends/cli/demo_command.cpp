#include "frontends/cli/demo_command.h"

#include <ostream>

#include "demo/demo_content.h"

namespace cli {

int DemoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2 || args[1].empty()) {
    err << "korvel demo: usage: korvel demo DIR\n";
    return 1;
  }
  std::string error;
  if (!demo::WriteDemoContent(args[1], &error)) {
    err << "korvel demo: " << error << "\n";
    return 1;
  }
  out << "demo scenes written to " << args[1] << "\n";
  return 0;
}

}  // namespace cli
