#pragma once
// The arguments after the verbs that take at most "--root DIR" and plain words (scene numbers, a file,
// a folder). Anything else that looks like an option is refused with one line, as korvel's errors are.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace cli {

struct VerbArgs {
  std::string Root = ".";
  std::vector<std::string> Words;
};

// args[0] is the verb. Prints one line to err and returns nothing for an unknown option or a --root
// without its folder (or given to a verb that takes none).
std::optional<VerbArgs> ParseVerbArgs(const std::vector<std::string>& args, bool takes_root, std::ostream& err);

// "--help" or "-h" among the verb's arguments.
bool AsksForHelp(const std::vector<std::string>& args);

// "--x" or "-x" with a letter: an option rather than a word such as a negative scene number.
bool LooksLikeOption(const std::string& arg);

}  // namespace cli
