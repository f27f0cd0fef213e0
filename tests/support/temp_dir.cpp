#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace test {

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "korvel-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempDir::operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

void TempDir::Write(std::string_view name, std::string_view bytes) const {
  const fs::path p = *this / name;
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::Read(std::string_view name) const {
  std::ifstream in(*this / name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

CurrentDirScope::CurrentDirScope(const std::string& dir) : previous_(fs::current_path().string()) {
  fs::current_path(dir);
}

CurrentDirScope::~CurrentDirScope() {
  std::error_code ec;
  fs::current_path(previous_, ec);
}

}  // namespace test
