#pragma once
// Opening a document with the desktop's handler for its type.
#include <string_view>

namespace os {

// Hands the file (relative paths are taken from the current directory) to the desktop's handler and
// returns at once without waiting for it. False when no handler could be started; what the handler
// does with a missing file is its own business.
bool ShellOpen(std::string_view file);

}  // namespace os
