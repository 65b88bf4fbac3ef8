// The application's builder table names the game's own screens, and the game starts
// through both intros to the title.

#include "match/stage/ZELKAStage.h"
#include "screens/charsel/CharSelStage.h"
#include "screens/credits/CreditsStage.h"
#include "screens/intro/IntroStage.h"
#include "screens/intro/IntroStage2.h"
#include "screens/results/ResultStage.h"
#include "screens/title/TitleStage.h"
#include "tests/screens/AppFixture.h"
#include "tests/screens/ScreenTestSupport.h"

#include <vector>

namespace zelka {
namespace {

class ScreenFlowTest : public testing_screens::ScreenFixture {};

TEST_F(ScreenFlowTest, ApplicationBuildsEveryScreenAndNothingOutsideTheTable)
{
    const Ref<Stage> match = app->CreateStage(1);
    const Ref<Stage> charSelect = app->CreateStage(2);
    const Ref<Stage> title = app->CreateStage(3);
    const Ref<Stage> results = app->CreateStage(4);
    const Ref<Stage> intro = app->CreateStage(5);
    const Ref<Stage> credits = app->CreateStage(6);
    const Ref<Stage> intro2 = app->CreateStage(7);
    EXPECT_TRUE(std::dynamic_pointer_cast<ZELKAStage>(match));
    EXPECT_TRUE(std::dynamic_pointer_cast<CharSelStage>(charSelect));
    EXPECT_TRUE(std::dynamic_pointer_cast<TitleStage>(title));
    EXPECT_TRUE(std::dynamic_pointer_cast<ResultStage>(results));
    EXPECT_TRUE(std::dynamic_pointer_cast<IntroStage>(intro));
    EXPECT_TRUE(std::dynamic_pointer_cast<CreditsStage>(credits));
    EXPECT_TRUE(std::dynamic_pointer_cast<IntroStage2>(intro2));
    for (const Ref<Stage>& s : {match, charSelect, title, results, intro, credits, intro2}) {
        s->Deallocate();
    }
    for (const int id : {0, 8, -1}) {
        EXPECT_FALSE(ZELKA::DefaultStageBuilder(id)) << id;
        EXPECT_EQ(app->CreateStage(id), nullptr) << id;
    }
}

class GameStartTest : public AppFixture {};

TEST_F(GameStartTest, RunsFromTheIntrosToTheTitleWhichWaitsForThePlayer)
{
    UseGameScreens();
    app->OnCreate();
    std::vector<int> visited;
    for (int i = 0; i < 3000; ++i) {
        if (visited.empty() || visited.back() != app->GetCurrentStageId()) {
            visited.push_back(app->GetCurrentStageId());
        }
        if (app->GetCurrentStageId() == kStageTitle && app->IsStable() &&
            app->GetTransitionState() == kTransitionNone) {
            break;
        }
        Step();
    }
    EXPECT_EQ(visited, (std::vector<int>{kNoStageId, kStageIntro, kStageIntro2, kStageTitle}));
    ASSERT_EQ(app->GetCurrentStageId(), kStageTitle);
    EXPECT_TRUE(std::dynamic_pointer_cast<TitleStage>(app->GetCurrentStage()));
    Steps(300);  // five seconds without a key: it stays
    EXPECT_EQ(app->GetCurrentStageId(), kStageTitle);
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);
}

}  // namespace
}  // namespace zelka
