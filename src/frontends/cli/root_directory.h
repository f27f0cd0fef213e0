#pragma once
// The verbs run the viewer's code in the scene root, which finds everything from the current
// directory: this enters the root and goes back to where korvel started when the verb ends.
#include <string>

#include "platform/os/path.h"

namespace cli {

class RootDirectory {
 public:
  explicit RootDirectory(const std::string& root) : start_(os::GetCurrentDir()), entered_(os::SetCurrentDir(root)) {}
  ~RootDirectory() {
    if (entered_) os::SetCurrentDir(start_);
  }
  RootDirectory(const RootDirectory&) = delete;
  RootDirectory& operator=(const RootDirectory&) = delete;

  bool Entered() const { return entered_; }

 private:
  std::string start_;
  bool entered_;
};

}  // namespace cli
