// The application's builder table names the game's own screens. (The start through both
// intros to the title is WholeGameTest's.)

#include "match/stage/ZELKAStage.h"
#include "screens/charsel/CharSelStage.h"
#include "screens/credits/CreditsStage.h"
#include "screens/intro/IntroStage.h"
#include "screens/intro/IntroStage2.h"
#include "screens/results/ResultStage.h"
#include "screens/title/TitleStage.h"
#include "tests/screens/ScreenTestSupport.h"

namespace zelka {
namespace {

using ScreenFlowTest = testing_screens::ScreenFixture;

template <typename T>
bool Builds(ZELKA& app, int id)
{
    const Ref<Stage> stage = app.CreateStage(id);
    const bool right = std::dynamic_pointer_cast<T>(stage) != nullptr;
    if (stage) stage->Deallocate();
    return right;
}

TEST_F(ScreenFlowTest, ApplicationBuildsEveryScreenAndNothingOutsideTheTable)
{
    EXPECT_TRUE(Builds<ZELKAStage>(*app, 1));
    EXPECT_TRUE(Builds<CharSelStage>(*app, 2));
    EXPECT_TRUE(Builds<TitleStage>(*app, 3));
    EXPECT_TRUE(Builds<ResultStage>(*app, 4));
    EXPECT_TRUE(Builds<IntroStage>(*app, 5));
    EXPECT_TRUE(Builds<CreditsStage>(*app, 6));
    EXPECT_TRUE(Builds<IntroStage2>(*app, 7));
    for (const int id : {0, 8, -1}) {
        EXPECT_FALSE(ZELKA::DefaultStageBuilder(id)) << id;
        EXPECT_EQ(app->CreateStage(id), nullptr) << id;
    }
}

}  // namespace
}  // namespace zelka
