#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// korvel export [--root DIR] SCENE: the key-shape export of scene SCENE, its list lines printed.
int ExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// korvel check [--root DIR] SCENE...: every problem of the scene folders, one line each; 1 if any.
int CheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// korvel info FILE.x: what the mesh loader makes of the file, as JSON.
int InfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
