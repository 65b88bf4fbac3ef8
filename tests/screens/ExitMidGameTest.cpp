// A library may call exit() at any moment (Xlib does when the display goes away): the
// static destructors then run in whatever order they were built, with a stage, its
// sounds, fonts and textures still alive. The game has to survive that.
#include "screens/app/AppConstants.h"
#include "services/config/GlobalOptions.h"
#include "services/data/GameData.h"
#include "tests/platform/FatalTestSupport.h"
#include "tests/screens/AppFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zelka {
namespace {

class ExitMidGameTest : public AppFixture {};

// The attract match runs the most of the game at once: the title's menus and tweens, a
// generated maze, both characters, items, sounds and the top bar.
TEST_F(ExitMidGameTest, ExitDuringTheAttractMatchEndsCleanly)
{
    const testing::ChildResult result = testing::RunInChild([this] {
        UseGameScreens();
        GameData::options->displayHowToPlay = false;
        RunTo(kStageTitle);
        for (int i = 0; i < 2000 && !GameData::isDemoMode; ++i) Step();
        if (!GameData::isDemoMode) std::_Exit(3);
        RunTo(kStageMatch);
        if (app->GetCurrentStageId() != kStageMatch) std::_Exit(4);
        Steps(120);
        std::exit(0);
    });
    EXPECT_TRUE(result.exited) << "killed by signal " << result.signal;
    EXPECT_EQ(result.status, 0);  // 3, 4: the attract match never came
}

}  // namespace
}  // namespace zelka
