#pragma once
// One key shape: its face corners (three 16-bit vertex numbers per face) and its vertex positions,
// read from the <i>.idt and <i>.vdt files a key-shape export wrote.
#include <cstdint>
#include <string>
#include <vector>

// Key shapes a scene can have: the morph addresses them by the numbers 0 .. 49.
inline constexpr int kMotionObjectCount = 50;

class MyMotionOBJ {
 public:
  bool Loaded = false;
  std::vector<std::uint16_t> Indices;
  std::vector<float> Positions;  // x, y, z per vertex
  std::uint32_t IndexLimit = 0;  // the largest index plus one, so users can check the pair fits

  // Takes the arrays and marks the record loaded.
  void Fill(std::vector<std::uint16_t> indices, std::vector<float> positions);

  // Marks the record empty.
  MyMotionOBJ& Clear();
  // Reads key shape i of the scene folder dir<scene_id> below base_dir. False, the record staying
  // empty, when the .idt is missing, or the pair is unreadable, of a length that is no whole number of
  // entries, or empty. On success vdt_path holds the .vdt file's path as built.
  bool Load(const std::string& base_dir, int scene_id, int i, std::string* vdt_path);
  // Releases the arrays; the record is empty afterwards.
  void Free();
};
