#include "frontends/cli/verb_args.h"

#include <cctype>
#include <ostream>

namespace cli {

bool LooksLikeOption(const std::string& arg) {
  return arg.size() >= 2 && arg[0] == '-' && (arg[1] == '-' || std::isalpha(static_cast<unsigned char>(arg[1])));
}

bool AsksForHelp(const std::vector<std::string>& args) {
  for (size_t i = 1; i < args.size(); ++i)
    if (args[i] == "--help" || args[i] == "-h") return true;
  return false;
}

std::optional<VerbArgs> ParseVerbArgs(const std::vector<std::string>& args, bool takes_root, std::ostream& err) {
  VerbArgs parsed;
  const std::string verb = args.empty() ? std::string() : args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!LooksLikeOption(a)) {
      parsed.Words.push_back(a);
    } else if (a != "--root" || !takes_root) {
      err << "korvel " << verb << ": unknown option '" << a << "'\n";
      return std::nullopt;
    } else if (i + 1 >= args.size()) {
      err << "korvel " << verb << ": option '--root' needs a folder\n";
      return std::nullopt;
    } else {
      parsed.Root = args[++i];
    }
  }
  return parsed;
}

}  // namespace cli
