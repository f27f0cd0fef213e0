#pragma once
// A driver whose failures a test chooses; the devices it makes are reference devices that can be
// told to fail their presents. It records every device creation it was asked for.
#include <memory>
#include <vector>

#include "platform/gfx/device.h"

namespace test {

struct FakeDriverLog {
  struct Try {
    gfx::DeviceType Type;
    unsigned Behavior;
  };
  std::vector<Try> Tries;
  int Resets = 0;
  int Presents = 0;
};

struct FakeDriverConfig {
  bool DisplayModeFails = false;
  // Which of the three tries (hardware + hardware vertex processing, hardware + software vertex
  // processing, reference) succeed.
  bool HardwareVertexProcessing = false;
  bool SoftwareVertexProcessing = false;
  bool Reference = true;
  bool PresentFails = false;
};

std::unique_ptr<gfx::Driver> MakeFakeDriver(FakeDriverConfig config, std::shared_ptr<FakeDriverLog> log);

}  // namespace test
