#pragma once
// The viewer's state as JSON, for scripts and tests to check without a screen.
#include <string>

namespace cli {

class HeadlessSession;

std::string StateJson(HeadlessSession& session);

}  // namespace cli
