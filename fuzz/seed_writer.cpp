// korvel_fuzz_seeds DIR: writes the seed corpus of every fuzz target into DIR/<target>/, valid files
// made by our own code: the demo content, the rig's model and key shapes, and small pictures in every
// texture format the viewer reads.
#include <squish.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "demo/demo_content.h"
#include "fuzz_input.h"
#include "morph_rig.h"
#include "mszip_encoder.h"
#include "platform/gfx/dds_writer.h"
#include "platform/os/file.h"
#include "platform/xfile/xfile.h"
#include "platform/xfile/xfile_writer.h"
#include "scratch_dir.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace fs = std::filesystem;

namespace {

// Seeds beyond this size slow every mutation down; the demo's larger files are left out.
constexpr std::uintmax_t kMaxSeedBytes = 48 * 1024;

std::string g_out;

void Seed(const std::string& target, const std::string& name, const std::string& bytes) {
  fs::create_directories(g_out + "/" + target);
  std::ofstream(g_out + "/" + target + "/" + name, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) { return os::ReadWholeFile(path.string()).value_or(std::string()); }

// A small picture with every channel varying, alpha included.
gfx::Image Picture() {
  gfx::Image image(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      image.At(x, y) = static_cast<std::uint32_t>((x * 32) << 16 | (y * 32) << 8 | ((x + y) * 16)) |
                       static_cast<std::uint32_t>(64 + 16 * x) << 24;
  return image;
}

std::vector<unsigned char> Rgba(const gfx::Image& image) {
  std::vector<unsigned char> rgba;
  for (std::uint32_t p : image.Pixels)
    rgba.insert(rgba.end(), {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                             static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 24)});
  return rgba;
}

void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

void Put32At(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The A8R8G8B8 file's header turned into a DXT one, with the picture compressed by libsquish.
std::string DxtDds(const gfx::Image& image, const char* four_cc, int squish_flags) {
  std::string dds = gfx::EncodeDds(image).substr(0, 128);
  Put32At(dds, 8, 0x1 | 0x2 | 0x4 | 0x1000 | 0x80000);  // linear size instead of pitch
  const std::vector<unsigned char> rgba = Rgba(image);
  std::string blocks(static_cast<std::size_t>(squish::GetStorageRequirements(8, 8, squish_flags)), '\0');
  squish::CompressImage(rgba.data(), 8, 8, blocks.data(), squish_flags);
  Put32At(dds, 20, static_cast<std::uint32_t>(blocks.size()));
  Put32At(dds, 80, 0x4);  // pixel format: FourCC
  dds.replace(84, 4, four_cc);
  for (std::size_t at = 88; at < 108; at += 4) Put32At(dds, at, 0);
  return dds + blocks;
}

// The same header for 16-bit R5G6B5 pixels.
std::string Rgb565Dds(const gfx::Image& image) {
  std::string dds = gfx::EncodeDds(image).substr(0, 128);
  Put32At(dds, 20, static_cast<std::uint32_t>(image.Width * 2));
  Put32At(dds, 80, 0x40);
  Put32At(dds, 88, 16);
  Put32At(dds, 92, 0xF800);
  Put32At(dds, 96, 0x07E0);
  Put32At(dds, 100, 0x001F);
  Put32At(dds, 104, 0);
  for (std::uint32_t p : image.Pixels) {
    const std::uint32_t v = ((p >> 19) & 0x1F) << 11 | ((p >> 10) & 0x3F) << 5 | ((p >> 3) & 0x1F);
    dds.push_back(static_cast<char>(v & 0xFF));
    dds.push_back(static_cast<char>(v >> 8));
  }
  return dds;
}

void TextureSeeds() {
  const gfx::Image image = Picture();
  const std::vector<unsigned char> rgba = Rgba(image);
  Seed("texture", "argb.dds", gfx::EncodeDds(image));
  Seed("texture", "rgb565.dds", Rgb565Dds(image));
  Seed("texture", "dxt1.dds", DxtDds(image, "DXT1", squish::kDxt1));
  Seed("texture", "dxt3.dds", DxtDds(image, "DXT3", squish::kDxt3));
  Seed("texture", "dxt5.dds", DxtDds(image, "DXT5", squish::kDxt5));
  std::string png, jpg, tga, tga_rle, bmp;
  stbi_write_png_to_func(Append, &png, 8, 8, 4, rgba.data(), 32);
  stbi_write_jpg_to_func(Append, &jpg, 8, 8, 4, rgba.data(), 90);
  stbi_write_bmp_to_func(Append, &bmp, 8, 8, 3, rgba.data());
  stbi_write_tga_with_rle = 0;
  stbi_write_tga_to_func(Append, &tga, 8, 8, 4, rgba.data());
  stbi_write_tga_with_rle = 1;
  stbi_write_tga_to_func(Append, &tga_rle, 8, 8, 4, rgba.data());
  Seed("texture", "rgba.png", png);
  Seed("texture", "rgb.jpg", jpg);
  Seed("texture", "rgb.bmp", bmp);
  Seed("texture", "rgba.tga", tga);
  Seed("texture", "rgba-rle.tga", tga_rle);
}

void XFileSeeds() {
  const std::string text = fuzz::RigModelFile();
  const auto mesh = xfile::ReadXFile(text);
  const std::string binary = xfile::WriteBinaryXFile(std::get<xfile::XMesh>(mesh));
  Seed("xfile", "rig.x", text);
  Seed("xfile", "rig-bin.x", binary);
  // Small blocks, so that the history carried between blocks matters.
  Seed("xfile", "rig-tzip.x", fuzz::CompressXFile(text, 200));
  Seed("xfile", "rig-bzip.x", fuzz::CompressXFile(binary, 200));
}

void ScriptSeeds() {
  Seed("script", "all-commands.txt",
       "# every command once\r\nidle 3\nclock 16\nkey F1\nkey NUM0\nshortcut Ctrl+Q\nmenu DemoMenu\n"
       "cursor 320 240\ndown left 10 20 shift\nmove 30 40 left right\nup left 30 40\nwheel up\nwheel down\n"
       "timer 2\nshot a.png\nstate a.json\n");
  Seed("script", "keys.txt", "key ESC\nkey A\nkey 7\nshortcut Shift+F5\nshortcut F12\nmenu OptionDebug\n");
}

// The demo content's files, by what reads them.
void DemoSeeds(const std::string& demo) {
  for (const auto& entry : fs::recursive_directory_iterator(demo)) {
    if (!entry.is_regular_file() || entry.file_size() > kMaxSeedBytes) continue;
    const std::string ext = entry.path().extension().string();
    const std::string name = fs::relative(entry.path(), demo).string();
    std::string flat = name;
    for (char& c : flat) c = c == '/' ? '-' : c;
    if (ext == ".x") Seed("xfile", flat, ReadFile(entry.path()));
    if (ext == ".dds" || ext == ".bmp") Seed("texture", flat, ReadFile(entry.path()));
    if (ext == ".ini") Seed("ini", flat, fuzz::PackFields({"ENV", "LX", "1.5", ReadFile(entry.path())}));
  }
  for (const auto& scene : fs::directory_iterator(demo)) {
    const fs::path dir = scene.path();
    if (!fs::exists(dir / "motion.txt")) continue;
    // The last byte picks the grabbed point.
    Seed("scene_environment", dir.filename().string(),
         fuzz::PackFields({ReadFile(dir / "env.ini"), ReadFile(dir / "marray.txt"), ReadFile(dir / "motion.txt")}) +
             "\x01");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvel_fuzz_seeds DIR\n");
    return 2;
  }
  g_out = argv[1];
  const std::string demo = fuzz::ScratchDir() + "/demo";
  std::string error;
  if (!demo::WriteDemoContent(demo, &error)) {
    std::fprintf(stderr, "demo content: %s\n", error.c_str());
    return 1;
  }
  DemoSeeds(demo);
  TextureSeeds();
  XFileSeeds();
  ScriptSeeds();
  const auto [idt, vdt] = fuzz::RigKeyShapeFiles();
  Seed("key_shape", "rig", fuzz::PackFields({idt, vdt}));
  Seed("key_shape", "half", fuzz::PackFields({idt.substr(0, idt.size() / 2), vdt}));
  return 0;
}
