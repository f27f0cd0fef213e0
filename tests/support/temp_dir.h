#pragma once
// A fresh folder for one test, removed with everything in it at the end; also the working directory
// while a CurrentDirScope is alive.
#include <string>
#include <string_view>

namespace test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // Path joined with a relative name ("/" separated).
  std::string operator/(std::string_view name) const;
  // Writes a file below the folder, creating folders on the way.
  void Write(std::string_view name, std::string_view bytes) const;
  std::string Read(std::string_view name) const;

 private:
  std::string path_;
};

// Makes a folder the current directory for its lifetime.
class CurrentDirScope {
 public:
  explicit CurrentDirScope(const std::string& dir);
  ~CurrentDirScope();
  CurrentDirScope(const CurrentDirScope&) = delete;
  CurrentDirScope& operator=(const CurrentDirScope&) = delete;

 private:
  std::string previous_;
};

}  // namespace test
