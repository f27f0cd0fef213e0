#pragma once
// Scene folders written for tests: the three environment files in the layouts the viewer reads.
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace test {

// motion.txt as 216 lines: labels in column 0 and row 0; motion m has step count m + 1, speed
// m + 0.5 and key shapes 100 * m + slot.
std::vector<std::string> MotionLines();
// marray.txt as 24 lines: alternative k, point p holds (k * 4 + p) % 11.
std::vector<std::string> SelectLines();
// Joins lines with CR LF after each, as Windows editors write them.
std::string CrLf(const std::vector<std::string>& lines);

// Writes dir<id> with env.ini, motion.txt, marray.txt and an empty model.x below root.
void WriteScene(const TempDir& root, int id, const std::string& env_ini = "[ENV]\r\nLX=1\r\nLY=2\r\nLZ=3\r\n"
                                                                          "Pitch=0.25\r\nYaw=0.5\r\nDist=4\r\n");

}  // namespace test
