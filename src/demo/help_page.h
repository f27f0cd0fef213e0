#pragma once
// help.html of the demo folder, opened by the Help menu.
#include <string>

namespace demo {

// The users' guide, one self-contained page; its source is docs/help.html.
std::string HelpPageHtml();

}  // namespace demo
