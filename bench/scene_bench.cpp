// The whole viewer on the demo scenes, on the reference device, through the same entry points as the
// desktop program: the time of one frame (composition, morph, normals, drawing) split by switching the
// morph and the normals off, and the time of a scene switch (50 key shapes, two meshes, textures).
// Usage: scene_bench [frames]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Unit1.h"
#include "bench/bench_support.h"
#include "demo/demo_content.h"
#include "frontends/cli/headless.h"
#include "platform/os/path.h"

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  const std::string dir = (std::filesystem::temp_directory_path() / "korvel-scene-bench").string();
  std::string error;
  if (!demo::WriteDemoContent(dir, &error)) {
    std::fprintf(stderr, "cannot write the demo content: %s\n", error.c_str());
    return 1;
  }
  const std::string start = os::GetCurrentDir();
  os::SetCurrentDir(dir);
  {
    cli::HeadlessSession session;
    session.Start();
    ViewerState& s = session.GetViewer().State;
    std::printf("demo scenes, reference device at 640 x 480, %d frames each\n", frames);
    std::printf("scene  faces  switch ms  frame ms  frames/s  morph+normals ms  drawing ms\n");
    struct Scene {
      ui::KeyCode key;
      int id;
    };
    const Scene scenes[] = {{ui::key::F(1), 10}, {ui::key::F(2), 20}, {ui::key::F(3), 30}, {ui::key::Numpad(1), 11}};
    for (const Scene& scene : scenes) {
      if (scene.id == 11) session.KeyUp(ui::key::F(1), 0);
      const double load = bench::SecondsPerCall(5, [&] { session.KeyUp(scene.key, 0); });
      session.Idle(30);  // past the first frame-rate figure, so the morph moves
      s.Modify = s.ComputeNormals = true;
      s.ModelMesh->RecomputeNormals = true;
      const double full = bench::SecondsPerCall(frames, [&] { session.Idle(1); });
      s.Modify = false;
      s.ModelMesh->RecomputeNormals = false;
      const double drawing = bench::SecondsPerCall(frames, [&] { session.Idle(1); });
      s.Modify = true;
      s.ModelMesh->RecomputeNormals = true;
      std::printf("%5d  %5u  %9.2f  %8.3f  %8.1f  %16.3f  %10.3f\n", scene.id, s.ModelMesh->NumFaces, load * 1e3,
                  full * 1e3, 1.0 / full, (full - drawing) * 1e3, drawing * 1e3);
    }
  }
  os::SetCurrentDir(start);
  std::filesystem::remove_all(dir);
  return 0;
}
