#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "frontends/cli/cli.h"

namespace {

struct Case {
  std::vector<std::string> args;
  int code;
  const char* out;  // text stdout must hold; nullptr: stdout stays empty
  const char* err;  // text of the single line stderr must hold; nullptr: stderr stays empty
};

std::string Joined(const std::vector<std::string>& args) {
  std::string s = "korvel";
  for (const auto& a : args) s += " " + a;
  return s;
}

TEST(CliHelp, AnswersHelpOnStdoutAndRefusesUnknownsWithOneLineAndCodeTwo) {
  const Case cases[] = {
      {{"--help"}, 0, "usage: korvel VERB [OPTIONS]", nullptr},
      {{"-h"}, 0, "  render   run the viewer without a window", nullptr},
      {{"render", "--help"}, 0, "usage: korvel render [--root DIR] [--device reference|opengl]", nullptr},
      {{"render", "--root", "x", "-h"}, 0, "  --clock-start MS", nullptr},
      {{"demo", "--help"}, 0, "usage: korvel demo DIR\n", nullptr},
      {{"check", "--help"}, 0, "usage: korvel check [--root DIR] SCENE...\n", nullptr},
      {{"export", "--help"}, 0, "usage: korvel export [--root DIR] SCENE\n", nullptr},
      {{"info", "--help"}, 0, "usage: korvel info FILE.x\n", nullptr},
      {{}, 2, nullptr, "korvel: no verb given"},
      {{"paint"}, 2, nullptr, "korvel: unknown verb 'paint'"},
      {{"--verbose"}, 2, nullptr, "korvel: unknown option '--verbose'"},
      {{"render", "--frobnicate"}, 2, nullptr, "korvel render: unknown option '--frobnicate'"},
      {{"render", "--out"}, 2, nullptr, "korvel render: option '--out' needs a value"},
      {{"demo", "--force", "d"}, 2, nullptr, "korvel demo: unknown option '--force'"},
      {{"demo"}, 2, nullptr, "korvel demo: usage: korvel demo DIR"},
      {{"check", "--root"}, 2, nullptr, "korvel check: option '--root' needs a folder"},
      {{"check", "-v", "10"}, 2, nullptr, "korvel check: unknown option '-v'"},
      {{"check", "ten"}, 2, nullptr, "korvel check: usage: korvel check [--root DIR] SCENE..."},
      {{"export", "10", "20"}, 2, nullptr, "korvel export: usage: korvel export [--root DIR] SCENE"},
      {{"info", "--root", "d", "a.x"}, 2, nullptr, "korvel info: unknown option '--root'"},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::Run(c.args, out, err), c.code) << Joined(c.args);
    if (c.out)
      EXPECT_NE(out.str().find(c.out), std::string::npos) << Joined(c.args) << "\n" << out.str();
    else
      EXPECT_EQ(out.str(), "") << Joined(c.args);
    if (c.err) {
      const std::string line = err.str();
      EXPECT_EQ(line.rfind(c.err, 0), 0u) << Joined(c.args) << "\n" << line;
      EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << Joined(c.args) << "\n" << line;
    } else {
      EXPECT_EQ(err.str(), "") << Joined(c.args);
    }
  }
}

TEST(CliHelp, EveryVerbOfTheOverviewHasItsOwnHelpAndEveryLineIsShort) {
  std::ostringstream overview, none;
  ASSERT_EQ(cli::Run({"--help"}, overview, none), 0);
  std::istringstream lines(overview.str());
  std::string line;
  std::getline(lines, line);  // the usage line
  int verbs = 0;
  while (std::getline(lines, line)) {
    const std::string verb = line.substr(2, line.find(' ', 2) - 2);
    std::ostringstream out, err;
    EXPECT_EQ(cli::Run({verb, "--help"}, out, err), 0) << verb;
    EXPECT_EQ(out.str().rfind("usage: korvel " + verb, 0), 0u) << verb;
    std::istringstream help(out.str());
    for (std::string l; std::getline(help, l);) EXPECT_LE(l.size(), 120u) << verb << ": " << l;
    ++verbs;
  }
  EXPECT_GE(verbs, 5);
}

}  // namespace
