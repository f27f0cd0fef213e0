#include "frontends/cli/cli.h"

#include <iostream>

#include "frontends/cli/demo_command.h"
#include "frontends/cli/mesh_commands.h"
#include "frontends/cli/render_command.h"

namespace cli {

namespace {
constexpr const char* kUsage =
    "usage: korvel VERB [OPTIONS]\n"
    "  render [--root DIR] [--device reference|opengl] [--script FILE] [--out FILE.png] [--clock-start MS]\n"
    "         start the viewer without a window in DIR, run the script, write the last frame\n"
    "  export [--root DIR] SCENE\n"
    "         write the key shapes <i>.idt and <i>.vdt of folder dirSCENE from its models <i>.x\n"
    "  check [--root DIR] SCENE...\n"
    "         report every problem of the scene folders that would show an error, morph wrongly or draw nothing\n"
    "  info FILE.x\n"
    "         describe what the mesh loader makes of an X file, as JSON\n"
    "  demo DIR\n"
    "         write the demo scenes and their shared art into DIR\n";
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return 2;
  }
  if (args[0] == "--help" || args[0] == "help") {
    out << kUsage;
    return 0;
  }
  if (args[0] == "render") return RenderCommand(args, out, err);
  if (args[0] == "export") return ExportCommand(args, out, err);
  if (args[0] == "info") return InfoCommand(args, out, err);
  if (args[0] == "demo") return DemoCommand(args, out, err);
  if (args[0] == "check") return CheckCommand(args, out, err);
  err << "korvel: unknown verb '" << args[0] << "'\n";
  return 2;
}

int Main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return Run(args, std::cout, std::cerr);
}

}  // namespace cli
