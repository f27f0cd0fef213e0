#include "frontends/cli/cli.h"

#include <iostream>
#include <string_view>

#include "frontends/cli/demo_command.h"
#include "frontends/cli/help_text.h"
#include "frontends/cli/mesh_commands.h"
#include "frontends/cli/render_command.h"
#include "frontends/cli/verb_args.h"

namespace cli {

namespace {

using VerbFunction = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct Verb {
  std::string_view Name;
  VerbFunction Run;
};

constexpr Verb kVerbs[] = {
    {"render", RenderCommand}, {"demo", DemoCommand}, {"check", CheckCommand},
    {"export", ExportCommand}, {"info", InfoCommand},
};

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "korvel: no verb given; korvel --help lists them\n";
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << GeneralHelp();
    return 0;
  }
  for (const Verb& verb : kVerbs) {
    if (args[0] != verb.Name) continue;
    if (AsksForHelp(args)) {
      out << VerbHelp(verb.Name);
      return 0;
    }
    return verb.Run(args, out, err);
  }
  if (LooksLikeOption(args[0]))
    err << "korvel: unknown option '" << args[0] << "'; korvel --help lists the verbs\n";
  else
    err << "korvel: unknown verb '" << args[0] << "'; korvel --help lists them\n";
  return 2;
}

int Main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return Run(args, std::cout, std::cerr);
}

}  // namespace cli
