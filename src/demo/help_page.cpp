#include "demo/help_page.h"

#include <cstddef>

// The bytes of docs/help.html, built into the program (see src/CMakeLists.txt).
extern const unsigned char kHelpPageHtml[];
extern const std::size_t kHelpPageHtmlSize;

namespace demo {

std::string HelpPageHtml() { return std::string(reinterpret_cast<const char*>(kHelpPageHtml), kHelpPageHtmlSize); }

}  // namespace demo
