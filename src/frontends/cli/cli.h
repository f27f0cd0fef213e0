#pragma once
// The verbs of the headless tool, callable in-process by tests.
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// Runs "korvel ARGS..." and returns the exit code; output goes to out, diagnostics to err.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int Main(int argc, char** argv);

}  // namespace cli
