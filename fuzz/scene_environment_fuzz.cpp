// The scene environment reader (env.ini, marray.txt, motion.txt) on arbitrary files, and the morph
// driven by whatever tables it read.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "environment/scene_environment.h"
#include "morph_rig.h"
#include "platform/ui/errors.h"
#include "scratch_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::MorphRig rig;
  FuzzedDataProvider in(data, size);
  const int grabbed_point = in.ConsumeIntegralInRange(-1, 4);
  const std::string dir = "dir" + std::to_string(fuzz::kRigScene);
  fuzz::WriteScratchFile(dir + "/env.ini", in.ConsumeRandomLengthString());
  fuzz::WriteScratchFile(dir + "/marray.txt", in.ConsumeRandomLengthString());
  fuzz::WriteScratchFile(dir + "/motion.txt", in.ConsumeRemainingBytesAsString());

  SceneEnvironment env;
  static_cast<MotionArray&>(env) = fuzz::RigMotions();
  try {
    ReadSceneEnvironment(env, fuzz::ScratchDir(), dir);
  } catch (const ui::Error&) {
    // The cells read before the failure keep their new values: the morph must cope with any mix.
  }
  rig.Run(env, 4, grabbed_point);
  return 0;
}
