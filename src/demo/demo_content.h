#pragma once
// The demo folder: what a person sees on first starting the viewer. Everything in it is generated
// here, the same bytes on every run.
#include <string>

namespace demo {

// Creates dir (and any missing parents) and writes into it: sys/ with the shared art, the scenes
// dir10, dir20, dir30 and dir11, develop.txt (which shows the Option menu) and help.html. False, with
// error set, when something could not be written.
bool WriteDemoContent(const std::string& dir, std::string* error);

}  // namespace demo
