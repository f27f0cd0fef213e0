#pragma once
// help.html of the demo folder, opened by the Help menu.
#include <string>

namespace demo {

// A short self-contained page: what the demo shows and the controls.
std::string HelpPageHtml();

}  // namespace demo
