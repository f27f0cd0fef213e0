// The key-shape loader on an arbitrary .idt / .vdt pair, then the morph of a model through it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "morph_rig.h"
#include "scratch_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::MorphRig rig;
  FuzzedDataProvider in(data, size);
  const std::string dir = "dir" + std::to_string(fuzz::kRigScene);
  fuzz::WriteScratchFile(dir + "/1.idt", in.ConsumeRandomLengthString());
  fuzz::WriteScratchFile(dir + "/1.vdt", in.ConsumeRemainingBytesAsString());

  MyMotionOBJ& key = *rig.KeyShapes()[1];
  key.Free();
  key.Load(fuzz::ScratchDir(), fuzz::kRigScene, 1, nullptr);
  rig.Run(fuzz::RigMotions(), 4, 0);
  return 0;
}
