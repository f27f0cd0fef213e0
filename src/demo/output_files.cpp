#include "demo/output_files.h"

#include <cmath>
#include <filesystem>

#include "demo/bmp_writer.h"
#include "platform/gfx/dds_writer.h"
#include "platform/os/file.h"
#include "platform/ui/convert.h"

namespace demo {

bool WriteOutputFile(const std::string& path, std::string_view bytes, std::string* error) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  std::error_code ec;
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  if (ec) {
    if (error) *error = "cannot create folder " + parent.string() + ": " + ec.message();
    return false;
  }
  if (!os::WriteWholeFile(path, bytes)) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  return true;
}

std::string TextNumber(float value) {
  return ui::FloatToStr(std::round(static_cast<double>(value) * 1000.0) / 1000.0);
}

bool WriteTextureFile(const std::string& path, const gfx::Image& image, std::string* error) {
  const bool bmp = path.size() >= 4 && path.compare(path.size() - 4, 4, ".bmp") == 0;
  return WriteOutputFile(path, bmp ? EncodeBmp24(image) : gfx::EncodeDds(image), error);
}

}  // namespace demo
