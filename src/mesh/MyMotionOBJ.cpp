#include "mesh/MyMotionOBJ.h"

#include <algorithm>
#include <cstring>

#include "platform/os/file.h"
#include "platform/ui/format.h"

MyMotionOBJ& MyMotionOBJ::Clear() {
  Loaded = false;
  return *this;
}

bool MyMotionOBJ::Load(const std::string& base_dir, int scene_id, int i, std::string* vdt_path) {
  const std::string folder = base_dir + "\\" + ui::Format("dir%d\\", scene_id);
  const std::string idt_path = folder + ui::Format("%d.idt", i);
  if (!os::FileExists(idt_path)) return false;
  const std::string vdt = folder + ui::Format("%d.vdt", i);
  const auto idt_bytes = os::ReadWholeFile(idt_path);
  const auto vdt_bytes = os::ReadWholeFile(vdt);
  // A pair cut short or half written is no key shape: better none than one that morphs into garbage.
  if (!idt_bytes || !vdt_bytes || idt_bytes->empty() || vdt_bytes->empty() || idt_bytes->size() % 2 != 0 ||
      vdt_bytes->size() % 12 != 0)
    return false;
  std::vector<std::uint16_t> indices(idt_bytes->size() / 2);
  std::memcpy(indices.data(), idt_bytes->data(), idt_bytes->size());
  std::vector<float> positions(vdt_bytes->size() / 4);
  std::memcpy(positions.data(), vdt_bytes->data(), vdt_bytes->size());
  Fill(std::move(indices), std::move(positions));
  if (vdt_path) *vdt_path = vdt;
  return true;
}

void MyMotionOBJ::Fill(std::vector<std::uint16_t> indices, std::vector<float> positions) {
  Indices = std::move(indices);
  Positions = std::move(positions);
  IndexLimit = 0;
  for (std::uint16_t i : Indices) IndexLimit = std::max<std::uint32_t>(IndexLimit, i + 1u);
  Loaded = true;
}

void MyMotionOBJ::Free() {
  Indices = {};
  Positions = {};
  IndexLimit = 0;
  Loaded = false;
}
