#pragma once
// Damaged scenes derived from the small demo: every way a scene folder or the shared art can be
// broken that the viewer must survive. Each damage is applied to a fresh copy of the small demo.
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace test {

struct SceneDamage {
  SceneDamage(std::string name, std::function<void(const std::string& root)> apply, std::string expected_error = "")
      : Name(std::move(name)), Apply(std::move(apply)), ExpectedError(std::move(expected_error)) {}
  std::string Name;                                 // what was broken, for failure messages
  std::function<void(const std::string& root)> Apply;
  std::string ExpectedError;                        // part of an error text the viewer must show; empty: none checked
};

enum class FileDamage { Missing, Emptied, CutInHalf, OneByteShort };

// The damage done to each file of dir10, of sys and of the root folder, in turn (one byte short: the
// binary files, whose lengths must be whole numbers of entries).
std::vector<SceneDamage> FileDamages(FileDamage kind);

// Files whose content is wrong: wrong and odd lengths, huge counts, NaN and infinite numbers,
// indices past the ends, key shapes of another model, motion and selection numbers out of range,
// models over the 16-bit limits, broken shared art.
std::vector<SceneDamage> ContentDamages();

}  // namespace test
