// The viewer started on damaged scenes: whatever is broken, it neither crashes nor trips a sanitizer,
// shows the motion files' errors where they apply, and still answers and closes afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "frontends/cli/headless.h"
#include "support/damaged_scenes.h"
#include "support/small_demo.h"
#include "support/temp_dir.h"
#include "support/viewer_tour.h"

namespace {

void ExpectSurvives(const test::SceneDamage& damage) {
  SCOPED_TRACE(damage.Name);
  test::TempDir root;
  test::CopySmallDemo(root.Path());
  damage.Apply(root.Path());
  test::CurrentDirScope cwd(root.Path());
  cli::HeadlessSession session;
  session.Start();
  test::TourScenes(session);
  if (!damage.ExpectedError.empty()) {
    const auto& errors = session.Errors();
    EXPECT_TRUE(std::any_of(errors.begin(), errors.end(),
                            [&](const std::string& e) { return e.find(damage.ExpectedError) != std::string::npos; }))
        << "expected an error with \"" << damage.ExpectedError << "\", got " << errors.size() << " errors"
        << (errors.empty() ? "" : ", the first \"" + errors.front() + "\"");
  }
  // Still running: it answers the close command as it would on any scene.
  ASSERT_FALSE(session.Closed());
  EXPECT_TRUE(session.ShortCut(ui::CtrlKey('Q')));
  EXPECT_TRUE(session.Closed());
}

TEST(DamagedScenes, TheUndamagedDemoShowsNoError) {
  test::TempDir root;
  test::CopySmallDemo(root.Path());
  test::CurrentDirScope cwd(root.Path());
  cli::HeadlessSession session;
  session.Start();
  test::TourScenes(session);
  EXPECT_TRUE(session.Errors().empty()) << session.Errors().front();
  EXPECT_TRUE(session.GetViewer().State.ModelMesh->Loaded);
}

std::string DamageName(const ::testing::TestParamInfo<test::FileDamage>& info) {
  static const char* const kNames[] = {"Missing", "Emptied", "CutInHalf", "OneByteShort"};
  return kNames[static_cast<int>(info.param)];
}

class FileDamages : public ::testing::TestWithParam<test::FileDamage> {};

TEST_P(FileDamages, EveryFileInTurn) {
  for (const test::SceneDamage& damage : test::FileDamages(GetParam())) ExpectSurvives(damage);
}

INSTANTIATE_TEST_SUITE_P(DamagedScenes, FileDamages,
                         ::testing::Values(test::FileDamage::Missing, test::FileDamage::Emptied,
                                           test::FileDamage::CutInHalf, test::FileDamage::OneByteShort),
                         DamageName);

TEST(DamagedScenes, DamagedContents) {
  for (const test::SceneDamage& damage : test::ContentDamages()) ExpectSurvives(damage);
}

}  // namespace
