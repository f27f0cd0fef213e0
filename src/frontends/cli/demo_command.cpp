#include "frontends/cli/demo_command.h"

#include <ostream>

#include "demo/demo_content.h"
#include "frontends/cli/help_text.h"
#include "frontends/cli/verb_args.h"

namespace cli {

int DemoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseVerbArgs(args, false, err);
  if (!parsed) return 2;
  if (parsed->Words.size() != 1 || parsed->Words[0].empty()) {
    err << UsageError("demo");
    return 2;
  }
  const std::string& dir = parsed->Words[0];
  std::string error;
  if (!demo::WriteDemoContent(dir, &error)) {
    err << "korvel demo: " << error << "\n";
    return 1;
  }
  out << "demo scenes written to " << dir << "\n";
  return 0;
}

}  // namespace cli
