// Reading speed of the .x reader on the largest model the viewer takes (21,845 faces), in the text
// and the binary form, in megabytes per second; beside it, in the same run, the .x importer of the
// Assimp library where it is installed (parsing only, no post-processing).
// Usage: xfile_bench [repetitions]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "bench/bench_support.h"
#include "platform/xfile/xfile_writer.h"

#if defined(KORVEL_HAVE_ASSIMP)
#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#endif

namespace {

template <class F>
double MegabytesPerSecond(int repetitions, size_t bytes, F&& read) {
  return static_cast<double>(bytes) / bench::SecondsPerCall(repetitions, read) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const xfile::XMesh model = bench::LargestModel();
  const std::pair<const char*, std::string> files[] = {{"text", xfile::WriteTextXFile(model)},
                                                        {"binary", xfile::WriteBinaryXFile(model)}};
  std::printf("largest model: %zu vertices, %zu faces; %d repetitions\n", model.Vertices.size(),
              model.Indices.size() / 3, repetitions);
  for (const auto& [form, bytes] : files) {
    const double ours = MegabytesPerSecond(repetitions, bytes.size(), [&] {
      if (!std::holds_alternative<xfile::XMesh>(xfile::ReadXFile(bytes))) std::abort();
    });
    std::printf("%-6s %8.2f MB file: korvel %8.1f MB/s", form, static_cast<double>(bytes.size()) / 1e6, ours);
#if defined(KORVEL_HAVE_ASSIMP)
    const double assimp = MegabytesPerSecond(repetitions, bytes.size(), [&] {
      Assimp::Importer importer;
      if (importer.ReadFileFromMemory(bytes.data(), bytes.size(), 0, "x") == nullptr) std::abort();
    });
    std::printf("   assimp %8.1f MB/s   ratio %5.2f", assimp, ours / assimp);
#else
    std::printf("   (Assimp not installed: no comparison)");
#endif
    std::printf("\n");
  }
  return 0;
}
