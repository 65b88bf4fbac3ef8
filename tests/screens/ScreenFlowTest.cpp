// The application builds the real intro, title and credits screens, not placeholders.

#include "screens/credits/CreditsStage.h"
#include "screens/intro/IntroStage.h"
#include "screens/intro/IntroStage2.h"
#include "screens/title/TitleStage.h"
#include "tests/screens/ScreenTestSupport.h"

namespace zelka {
namespace {

class ScreenFlowTest : public testing_screens::ScreenFixture {};

TEST_F(ScreenFlowTest, ApplicationBuildsTheIntrosTitleAndCredits)
{
    const Ref<Stage> intro = app->CreateStage(5);
    const Ref<Stage> intro2 = app->CreateStage(7);
    const Ref<Stage> title = app->CreateStage(3);
    const Ref<Stage> credits = app->CreateStage(6);
    EXPECT_TRUE(std::dynamic_pointer_cast<IntroStage>(intro));
    EXPECT_TRUE(std::dynamic_pointer_cast<IntroStage2>(intro2));
    EXPECT_TRUE(std::dynamic_pointer_cast<TitleStage>(title));
    EXPECT_TRUE(std::dynamic_pointer_cast<CreditsStage>(credits));
    for (const Ref<Stage>& s : {intro, intro2, title, credits}) {
        s->Deallocate();
    }
}

}  // namespace
}  // namespace zelka
