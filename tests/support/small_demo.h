#pragma once
// A small copy of the demo for tests that start the viewer many times: the demo's sys folder and two of
// its scenes (dir10, dir20) with low-poly creatures, four of their key shapes, and small backgrounds.
#include <string>

namespace test {

// The scenes it holds; dir20 has a different model from dir10 (another vertex and index count).
inline constexpr int kSmallDemoScenes[] = {10, 20};

// Written once per process into a temporary folder; the test fails at once where that did not succeed.
const std::string& SmallDemoRoot();

// Copies the whole small demo into dir, which must exist.
void CopySmallDemo(const std::string& dir);

}  // namespace test
