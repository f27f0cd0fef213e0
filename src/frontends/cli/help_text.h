#pragma once
// What `korvel --help` and `korvel VERB --help` print, and the usage lines the verbs repeat in their
// errors: every text about the command line lives here, so the two never disagree.
#include <string>
#include <string_view>

namespace cli {

// The overview: the usage line and one line per verb.
std::string GeneralHelp();

// A verb's usage line, what it does and one line per option; empty for an unknown verb.
std::string VerbHelp(std::string_view verb);

// "korvel VERB: usage: ..." as a verb prints it after a wrong argument, newline included.
std::string UsageError(std::string_view verb);

}  // namespace cli
