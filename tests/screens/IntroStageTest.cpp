#include "screens/intro/IntroStage.h"

#include "engine/core/Timer.h"
#include "engine/media/StaticImage.h"
#include "engine/tween/TweenEngine.h"
#include "screens/intro/IntroStage2.h"
#include "tests/screens/ScreenTestSupport.h"

namespace zelka {
namespace {

using IntroStageTest = testing_screens::ScreenFixture;

TEST_F(IntroStageTest, SplashRunsAboutFiveSecondsWhateverTheKeysThenAsksForTheReminder)
{
    Load(IntroStage::New());
    const Ref<GDO> monster = stage->GetRootGDO()->GetChildByName(U"ZIBMONSTER");
    const Ref<GDO> mask = stage->GetRootGDO()->GetChildByName(U"SCREENMASK");
    ASSERT_TRUE(monster && mask);
    const float start = monster->position->y;
    EXPECT_GT(start, 0.0f);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    for (int code : {kKeySpace, kKeyEscape, kKeyEnter}) Press(code);
    EXPECT_LT(monster->position->y, start);   // "position.y" took the tween's value
    EXPECT_GT(monster->scale.x, 0.0f);

    float maskAtHold = -1.0f;
    int elapsed = 3 * kStepMs;
    for (; Pending() == kNoStageId && elapsed < 8000; elapsed += kStepMs) {
        if (elapsed == 2800) maskAtHold = mask->alpha;
        if (elapsed % 800 == 0) Press(kKeySpace);
        else Step();
    }
    EXPECT_GE(elapsed, 5000);
    EXPECT_LE(elapsed, 5100);
    EXPECT_EQ(Pending(), kStageIntro2);
    // The mascot was driven on the full position key: it ends risen onto the base at
    // full size, and the mask stayed clear through the hold.
    EXPECT_FLOAT_EQ(monster->position->y, 0.0f);
    EXPECT_FLOAT_EQ(monster->scale.x, 1.0f);
    EXPECT_FLOAT_EQ(maskAtHold, 0.0f);
    EXPECT_FLOAT_EQ(mask->alpha, 1.0f);
}

TEST_F(IntroStageTest, AddressIsUncoveredFromNothingToWhole)
{
    Load(IntroStage::New());
    auto& url = dynamic_cast<Label&>(*stage->GetRootGDO()->GetChildByName(U"ZIB_URL"));
    const auto shown = [&url] { return url.GetLines().empty() ? String() : url.GetLines()[0]; };
    Step(nullptr, 0);   // a zero step leaves the tween at its start value
    EXPECT_LE(shown().size(), 1u);
    Steps(60);
    EXPECT_GT(shown().size(), 1u);
    EXPECT_LT(shown().size(), url.GetText().size());
    Steps(150);
    EXPECT_EQ(shown(), url.GetText());
}

TEST_F(IntroStageTest, AddressRevealEndingDoesNotStartTheFade)
{
    Load(IntroStage::New());
    auto* intro = dynamic_cast<IntroStage*>(stage.get());
    // Only the mascot's end starts the hold timer; stop it and the address's later end
    // alone must leave the timer and the fade idle.
    intro->GetTweenEngine()->GetTween(U"MONSTER_TWEEN")->Stop();
    Steps(1);
    intro->GetFadeTimer()->Stop();
    for (int t = 0; t < 3500 && Pending() == kNoStageId; t += kStepMs) Step();
    EXPECT_FALSE(intro->GetTweenEngine()->GetTween(U"URL_TWEEN")->IsPlaying());
    EXPECT_FALSE(intro->GetFadeTimer()->IsActive());
    EXPECT_FALSE(intro->GetTweenEngine()->GetTween(U"FADE_TWEEN")->IsPlaying());
    EXPECT_EQ(Pending(), kNoStageId);
}

TEST_F(IntroStageTest, ReminderGoesOnAtOnceOnAKey)
{
    Load(IntroStage2::New());
    Steps(3);
    EXPECT_EQ(Pending(), kNoStageId);
    Press(kKeyA);  // no player has a device yet: any key of any device
    EXPECT_EQ(Pending(), kStageTitle);
}

TEST_F(IntroStageTest, ReminderGoesOnOnlyOnceMoreThanFourSecondsPassed)
{
    Load(IntroStage2::New());
    Step(nullptr, 4000);
    EXPECT_EQ(Pending(), kNoStageId);  // exactly 4000 is not over
    Step(nullptr, 1);
    EXPECT_EQ(Pending(), kStageTitle);
}

}  // namespace
}  // namespace zelka
