// The INI-file functions on an arbitrary file: reads, a write, and the write read back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "platform/os/ini_file.h"
#include "scratch_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = in.ConsumeRandomLengthString(32);
  const std::string key = in.ConsumeRandomLengthString(32);
  const std::string value = in.ConsumeRandomLengthString(64);
  fuzz::WriteScratchFile("fuzz.ini", in.ConsumeRemainingBytesAsString());

  os::IniFile ini(fuzz::ScratchDir() + "/fuzz.ini");
  ini.ReadString("ENV", "LX", "0");
  ini.ReadString(section, key, "default");
  if (ini.WriteString(section, key, value)) ini.ReadString(section, key, "default");
  return 0;
}
