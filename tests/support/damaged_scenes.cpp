#include "support/damaged_scenes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <variant>

#include "mesh/mesh_fixture.h"
#include "platform/xfile/xfile.h"
#include "platform/xfile/xfile_writer.h"
#include "support/small_demo.h"

namespace fs = std::filesystem;

namespace test {
namespace {

const char kOpenError[] = "は開けません";
const char kMissingLine[] = "リストのインデックスが範囲を超えています";
const char kNotInteger[] = "は整数ではありません";
const char kNotDecimal[] = "は浮動小数点数ではありません";

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

fs::path Dir10(const std::string& root) { return fs::path(root) / "dir10"; }

// The files a damage may hit, relative to the root: the first scene, the shared art, the root's own.
std::vector<std::string> DamageableFiles() {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(SmallDemoRoot())) {
    if (!entry.is_regular_file()) continue;
    const std::string name = fs::relative(entry.path(), SmallDemoRoot()).generic_string();
    if (name.rfind("dir20/", 0) != 0) files.push_back(name);
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The error a start-up with this file damaged must show, where the motion files' reader names one.
std::string ExpectedFileError(const std::string& name, FileDamage kind) {
  if (name != "dir10/motion.txt" && name != "dir10/marray.txt") return "";
  switch (kind) {
    case FileDamage::Missing: return kOpenError;
    case FileDamage::Emptied: return std::string(kMissingLine) + " (0)";
    case FileDamage::CutInHalf: return kMissingLine;
    case FileDamage::OneByteShort: return "";  // binary files only
  }
  return "";
}

// Rewrites lines of a CR LF text file: change(line number, text) gives the new text.
void EditLines(const fs::path& path, const std::function<std::string(int, const std::string&)>& change) {
  std::istringstream in(Slurp(path));
  std::string out, line;
  for (int n = 0; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out += change(n, line) + "\r\n";
  }
  Put(path, out);
}

// motion.txt lines by their role (motion m = column - 1, row r).
bool IsStepLine(int n) { return n >= 18 && n % 18 == 1; }
bool IsSpeedLine(int n) { return n >= 18 && n % 18 == 2; }
bool IsKeyLine(int n) { return n >= 18 && n % 18 >= 3; }

xfile::XMesh ReadMesh(const fs::path& path) {
  auto result = xfile::ReadXFile(Slurp(path));
  if (auto* mesh = std::get_if<xfile::XMesh>(&result)) return std::move(*mesh);
  return {};
}

// Rewrites a model with its vertices changed.
void EditVertices(const fs::path& path, const std::function<void(size_t, xfile::XVertex&)>& change) {
  xfile::XMesh mesh = ReadMesh(path);
  for (size_t i = 0; i < mesh.Vertices.size(); ++i) change(i, mesh.Vertices[i]);
  Put(path, xfile::WriteBinaryXFile(mesh));
}

// Every float of a .vdt set by position.
void FillPositions(const fs::path& path, const std::function<float(size_t)>& value) {
  std::string bytes = Slurp(path);
  for (size_t at = 0; at + 4 <= bytes.size(); at += 4) {
    const float v = value(at / 4);
    std::memcpy(bytes.data() + at, &v, 4);
  }
  Put(path, bytes);
}

// A fan mesh with one material per face.
xfile::XMesh ManyMaterials(int count) {
  xfile::XMesh m = FanMesh(300, count);
  m.Materials.resize(static_cast<size_t>(count));
  for (size_t f = 0; f < m.FaceMaterials.size(); ++f) m.FaceMaterials[f] = static_cast<std::uint32_t>(f);
  return m;
}

// A DDS header that promises a picture far larger than the file.
std::string HugeDdsHeader() {
  std::string dds = "DDS ";
  const std::uint32_t header[31] = {124, 0x100F, 100000, 100000, 400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                    32, 0x41, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, 0x1000, 0, 0, 0, 0};
  dds.append(reinterpret_cast<const char*>(header), sizeof header);
  return dds;
}

std::string Garbage(size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 16);
  }
  return bytes;
}

void ForEachFile(const fs::path& dir, const std::string& extension, const std::function<void(const fs::path&)>& apply) {
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == extension) apply(entry.path());
}

SceneDamage MotionLines(const std::string& name, bool (*which)(int), const std::vector<std::string>& values,
                        std::string expected = "") {
  return {name,
          [which, values](const std::string& root) {
            int k = 0;
            EditLines(Dir10(root) / "motion.txt", [&](int n, const std::string& line) {
              return which(n) ? values[static_cast<size_t>(k++) % values.size()] : line;
            });
          },
          std::move(expected)};
}

SceneDamage SelectLines(const std::string& name, const std::vector<std::string>& values, std::string expected = "") {
  return {name,
          [values](const std::string& root) {
            EditLines(Dir10(root) / "marray.txt",
                      [&](int n, const std::string&) { return values[static_cast<size_t>(n) % values.size()]; });
          },
          std::move(expected)};
}

SceneDamage EnvValues(const std::string& value) {
  return {"env.ini values " + value, [value](const std::string& root) {
            EditLines(Dir10(root) / "env.ini", [&](int, const std::string& line) {
              const size_t eq = line.find('=');
              return eq == std::string::npos ? line : line.substr(0, eq + 1) + value;
            });
          }};
}

SceneDamage ReplaceFile(const std::string& name, const std::string& file, std::string bytes) {
  return {name, [file, bytes](const std::string& root) { Put(fs::path(root) / file, bytes); }};
}

// Files read as bytes, where a length that is no whole number of entries or blocks matters.
bool IsBinary(const std::string& file) {
  for (const char* ext : {".idt", ".vdt", ".dds", ".bmp"})
    if (file.size() > 4 && file.compare(file.size() - 4, 4, ext) == 0) return true;
  return false;
}

}  // namespace

std::vector<SceneDamage> FileDamages(FileDamage kind) {
  std::vector<SceneDamage> damages;
  for (const std::string& file : DamageableFiles()) {
    if (kind == FileDamage::OneByteShort && !IsBinary(file)) continue;
    const char* what = kind == FileDamage::Missing ? " missing" : kind == FileDamage::Emptied ? " emptied"
                       : kind == FileDamage::CutInHalf ? " cut in half" : " one byte short";
    damages.push_back({file + what,
                       [file, kind](const std::string& root) {
                         const fs::path path = fs::path(root) / file;
                         const std::uintmax_t size = fs::file_size(path);
                         if (kind == FileDamage::Missing) fs::remove(path);
                         if (kind == FileDamage::Emptied) fs::resize_file(path, 0);
                         if (kind == FileDamage::CutInHalf) fs::resize_file(path, size / 2);
                         if (kind == FileDamage::OneByteShort && size > 0) fs::resize_file(path, size - 1);
                       },
                       ExpectedFileError(file, kind)});
  }
  return damages;
}

std::vector<SceneDamage> ContentDamages() {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  std::vector<SceneDamage> d;

  // Key shapes: lengths that disagree with the model, indices past the ends, another model's pair.
  d.push_back({"0.idt one face short", [](const std::string& root) {
                 const fs::path p = Dir10(root) / "0.idt";
                 fs::resize_file(p, fs::file_size(p) - 6);
               }});
  d.push_back({"0.vdt one vertex short", [](const std::string& root) {
                 const fs::path p = Dir10(root) / "0.vdt";
                 fs::resize_file(p, fs::file_size(p) - 12);
               }});
  d.push_back({"1.idt longer than the model", [](const std::string& root) {
                 Put(Dir10(root) / "1.idt", Slurp(Dir10(root) / "1.idt") + std::string(600, '\0'));
               }});
  d.push_back({"every .idt names vertex 65535", [](const std::string& root) {
                 ForEachFile(Dir10(root), ".idt", [](const fs::path& p) {
                   std::string bytes = Slurp(p);
                   for (size_t at = 0; at + 2 <= bytes.size(); at += 14) bytes[at] = bytes[at + 1] = '\xFF';
                   Put(p, bytes);
                 });
               }});
  d.push_back({"key shapes of another model", [](const std::string& root) {
                 for (const char* ext : {".idt", ".vdt"})
                   ForEachFile(fs::path(root) / "dir20", ext, [&](const fs::path& p) {
                     fs::copy_file(p, Dir10(root) / p.filename(), fs::copy_options::overwrite_existing);
                   });
               }});
  d.push_back({"key shapes NaN and infinite", [nan, inf](const std::string& root) {
                 ForEachFile(Dir10(root), ".vdt", [&](const fs::path& p) {
                   FillPositions(p, [&](size_t i) { return i % 3 == 0 ? nan : i % 3 == 1 ? inf : -inf; });
                 });
               }});
  d.push_back({"key shapes at float's largest", [](const std::string& root) {
                 ForEachFile(Dir10(root), ".vdt", [](const fs::path& p) {
                   FillPositions(p, [](size_t i) { return i % 2 ? std::numeric_limits<float>::max() : -3e38f; });
                 });
               }});

  // Motion tables: numbers beyond every table, and texts that are no numbers.
  d.push_back(MotionLines("key-shape numbers out of range", IsKeyLine, {"50", "-1", "2147483647", "-2147483648", "99999"}));
  d.push_back(MotionLines("step counts out of range", IsStepLine, {"-5", "0", "2147483647", "-2147483648"}));
  d.push_back(MotionLines("speeds extreme", IsSpeedLine, {"1e30", "-1e30", "-3", "0", "3.4e38"}));
  d.push_back(MotionLines("speeds NaN and infinite", IsSpeedLine, {"nan", "inf", "-inf"}));
  d.push_back(MotionLines("a speed that is no number", IsSpeedLine, {"x"}, std::string("'x' ") + kNotDecimal));
  d.push_back(MotionLines("a step count beyond 32 bits", IsStepLine, {"99999999999"},
                          std::string("'99999999999' ") + kNotInteger));
  d.push_back(SelectLines("selection numbers out of range", {"20", "-1", "2147483647", "11", "19", "-2147483648"}));
  d.push_back(SelectLines("an empty selection line", {"1", ""}, std::string("'' ") + kNotInteger));
  d.push_back(SelectLines("a selection that is no number", {"abc"}, std::string("'abc' ") + kNotInteger));
  d.push_back({"motion.txt is a folder", [](const std::string& root) {
                 fs::remove(Dir10(root) / "motion.txt");
                 fs::create_directory(Dir10(root) / "motion.txt");
               }, kOpenError});

  // env.ini: numbers no float holds, and lines no editor writes.
  for (const char* value : {"nan", "inf", "-inf", "1e39", "-1e-45", "0"}) d.push_back(EnvValues(value));
  d.push_back(ReplaceFile("env.ini of random bytes", "dir10/env.ini", Garbage(100000, 1)));
  d.push_back(ReplaceFile("env.ini with a 70000-byte line", "dir10/env.ini", "[ENV]\r\nDist=" + std::string(70000, '7') + "\r\n"));

  // Models: counts beyond the data, indices past the end, NaN and infinite positions, the 16-bit limits.
  d.push_back(ReplaceFile("model.x with a huge vertex count", "dir10/model.x",
                          "xof 0302txt 0032\nMesh {\n 4000000000;\n 0.0;0.0;0.0;;\n 1;\n 3;0,0,0;;\n}\n"));
  d.push_back(ReplaceFile("model.x with a face past the vertices", "dir10/model.x",
                          "xof 0302txt 0032\nMesh {\n 3;\n 0;0;0;, 1;0;0;, 0;1;0;;\n 1;\n 3;0,1,7;;\n}\n"));
  d.push_back({"model.x with NaN and infinite positions", [nan, inf](const std::string& root) {
                 EditVertices(Dir10(root) / "model.x", [&](size_t i, xfile::XVertex& v) {
                   if (i % 3 == 0) v.Position[0] = nan;
                   if (i % 3 == 1) v.Position[1] = inf;
                   v.Normal[2] = nan;
                   v.U = inf;
                 });
               }});
  d.push_back({"key-shape models with NaN positions, exported", [nan](const std::string& root) {
                 for (int k = 0; k < 3; ++k)
                   EditVertices(Dir10(root) / (std::to_string(k) + ".x"), [&](size_t, xfile::XVertex& v) { v.Position[1] = nan; });
               }});
  d.push_back(ReplaceFile("model.x of 70000 vertices", "dir10/model.x", xfile::WriteBinaryXFile(FanMesh(70000, 10))));
  d.push_back(ReplaceFile("model.x of 66000 indices", "dir10/model.x", xfile::WriteBinaryXFile(FanMesh(300, 22000))));
  d.push_back(ReplaceFile("model.x of 101 materials", "dir10/model.x", xfile::WriteBinaryXFile(ManyMaterials(101))));
  d.push_back({"model.x textures that are a folder, a mesh and a long name", [](const std::string& root) {
                 xfile::XMesh mesh = ReadMesh(Dir10(root) / "model.x");
                 const char* names[] = {"dir10", "sys\\ctrl.x", "..\\..\\..\\..\\..\\..\\dev\\zero"};
                 for (size_t i = 0; i < mesh.Materials.size(); ++i)
                   mesh.Materials[i].TextureFileName = i < 3 ? names[i] : std::string(1000, 'a');
                 Put(Dir10(root) / "model.x", xfile::WriteTextXFile(mesh));
               }});

  // Textures whose headers promise more than the file holds.
  d.push_back(ReplaceFile("skin.dds of 100000 x 100000", "dir10/skin.dds", HugeDdsHeader()));
  d.push_back(ReplaceFile("face.bmp of random bytes after its header", "dir10/face.bmp",
                          Slurp(SmallDemoRoot() + "/dir10/face.bmp").substr(0, 54) + Garbage(4000, 2)));

  // The shared art broken.
  d.push_back({"every sys texture of random bytes", [](const std::string& root) {
                 unsigned seed = 3;
                 ForEachFile(fs::path(root) / "sys", ".dds", [&](const fs::path& p) { Put(p, Garbage(fs::file_size(p), seed++)); });
               }});
  d.push_back({"every sys texture 100000 x 100000", [](const std::string& root) {
                 ForEachFile(fs::path(root) / "sys", ".dds", [](const fs::path& p) { Put(p, HugeDdsHeader()); });
               }});
  d.push_back({"sys markers of random bytes", [](const std::string& root) {
                 ForEachFile(fs::path(root) / "sys", ".x", [](const fs::path& p) { Put(p, "xof 0302bin 0032" + Garbage(3000, 4)); });
               }});
  d.push_back({"no sys folder", [](const std::string& root) { fs::remove_all(fs::path(root) / "sys"); }});
  d.push_back({"sys is a file", [](const std::string& root) {
                 fs::remove_all(fs::path(root) / "sys");
                 Put(fs::path(root) / "sys", "not a folder");
               }});

  // Scene folders missing, the one started with and the one switched to.
  d.push_back({"no dir10", [](const std::string& root) { fs::remove_all(Dir10(root)); }});
  d.push_back({"no dir20", [](const std::string& root) { fs::remove_all(fs::path(root) / "dir20"); }});
  return d;
}

}  // namespace test
