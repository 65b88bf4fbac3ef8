#include "screens/credits/CreditsStage.h"

#include "engine/core/Random.h"
#include "engine/display/EmptyGDOContainer.h"
#include "engine/stage/Game.h"
#include "engine/text/BlinkingLabel.h"
#include "services/player/PlayerStats.h"
#include "tests/screens/ScreenTestSupport.h"

#include <algorithm>

namespace zelka {
namespace {

constexpr int kSfxEnd = 304;
constexpr int kShovel = 7;
constexpr int kIceWand = 8;
constexpr int kTrap = 3;

class CreditsStageTest : public testing_screens::ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    }
    CreditsStage& Credits() { return *dynamic_cast<CreditsStage*>(stage.get()); }
    static bool AnyContains(const std::vector<String>& texts, const String& part)
    {
        return std::ranges::any_of(texts, [&](const String& t) { return t.find(part) != String::npos; });
    }
};

TEST_F(CreditsStageTest, ScrollsHalfAPixelOrTwoWhileAcceptIsHeld)
{
    Load(CreditsStage::New());
    EXPECT_FLOAT_EQ(Credits().GetScroll(), 160.0f);
    Steps(10);
    EXPECT_FLOAT_EQ(Credits().GetScroll(), 155.0f);
    Hold(kKeySpace);   // player 1's accept
    Steps(10);
    EXPECT_FLOAT_EQ(Credits().GetScroll(), 135.0f);
    Release(kKeySpace);
    // The step is fixed whatever the elapsed time.
    Step(nullptr, 500);
    EXPECT_FLOAT_EQ(Credits().GetScroll(), 134.5f);
    // The column sits on the whole pixel at or above the position.
    EXPECT_FLOAT_EQ(Credits().GetContent()->position->y, 135.0f);
    EXPECT_EQ(Pending(), kNoStageId);
}

// Before any game object has set the update rate it is 0: the credits then step by the
// time that passed instead of dividing by it.
TEST_F(CreditsStageTest, WithoutAnUpdateRateTheElapsedTimeIsUsed)
{
    Load(CreditsStage::New());
    BlinkingLabel& prompt = *Credits().GetPrompt();
    const int blinked = prompt.elapsed;
    const int rate = Game::updateRate_;
    Game::updateRate_ = 0;
    Step(nullptr, 250);
    Game::updateRate_ = rate;
    EXPECT_EQ(prompt.elapsed, (blinked + 250) % prompt.blinkPeriod);
    EXPECT_FLOAT_EQ(Credits().GetScroll(), 159.5f);   // the scroll step stays fixed
}

TEST_F(CreditsStageTest, HeldCancelLeavesWithoutTheEndSound)
{
    Load(CreditsStage::New());
    Hold(kKeyControl);   // player 1's cancel
    Step();
    EXPECT_EQ(Pending(), kStageTitle);
    EXPECT_FALSE(Played(kSfxEnd));
}

TEST_F(CreditsStageTest, EscapeLeavesEvenDuringTheFastScroll)
{
    Load(CreditsStage::New());
    Hold(kKeySpace);
    Steps(2);
    EXPECT_EQ(Pending(), kNoStageId);
    Press(kKeyEscape);
    EXPECT_EQ(Pending(), kStageTitle);
    EXPECT_FALSE(Played(kSfxEnd));
}

TEST_F(CreditsStageTest, EndHoldsThePromptAboveTheCentreUntilAFreshPress)
{
    Load(CreditsStage::New());
    EXPECT_NE(std::ranges::find(preloads, kSfxEnd), preloads.end());
    Hold(kKeySpace);   // fast scroll all the way
    const float end = Credits().GetEndScroll();
    for (int i = 0; i < 5000 && Credits().GetScroll() > end; ++i) Step();
    Steps(3);   // still held on arrival: not a press
    EXPECT_EQ(Pending(), kNoStageId);
    const float promptY = Credits().GetContent()->position->y + Credits().GetPrompt()->position->y;
    EXPECT_FLOAT_EQ(promptY, -10.0f);
    Release(kKeySpace);
    Press(kKeyC);   // any input of player 1's device
    EXPECT_EQ(Pending(), kStageTitle);
    EXPECT_TRUE(Played(kSfxEnd));
    EXPECT_EQ(SoundManager::PlaySFX(kSfxEnd, kSfxChannelGeneral, false), kSfxChannelGeneral);
}

TEST_F(CreditsStageTest, LinesStillDrawOnceTheColumnTopHasLeftTheScreen)
{
    Load(CreditsStage::New());
    Hold(kKeySpace);
    Steps(300);   // 600 px up: the column's top is far above the screen's top edge
    ASSERT_LT(Credits().GetContent()->position->y, -400.0f);
    graphics::BeginRender();
    device.ClearCalls();
    stage->RenderWorld();
    graphics::EndRender();
    int draws = 0;
    for (const DeviceCall& call : device.Calls()) {
        if (call.op == DeviceOp::DrawSurface || call.op == DeviceOp::DrawSurface2) ++draws;
    }
    EXPECT_GT(draws, 20);   // glyphs of the lines now on screen
}

TEST_F(CreditsStageTest, LockedGuestsAreNeverNamedAndUnlockedOnesAre)
{
    const std::vector<String> guests = {U"GRAVO KNAPP", U"NELLA PIP", U"OSKA VEYL"};
    Load(CreditsStage::New());
    std::vector<String> texts = Texts(*stage->GetRootGDO());
    for (const String& name : guests) EXPECT_FALSE(AnyContains(texts, name)) << ToUtf8(name);
    EXPECT_TRUE(AnyContains(texts, U"????? ART & SPRITE BY"));
    EXPECT_TRUE(AnyContains(texts, String(10, U'?') + Font::FT_Color(200, 200, 200)));

    // Enough uses of each guest's item unlock them all.
    for (int item : {kShovel, kIceWand, kTrap}) GameData::stats->SetItemUses(1, item, 30);
    stage->Deallocate();
    Load(CreditsStage::New());
    texts = Texts(*stage->GetRootGDO());
    for (const String& name : guests) EXPECT_TRUE(AnyContains(texts, name)) << ToUtf8(name);
    EXPECT_TRUE(AnyContains(texts, U"OSKA VEYL ART & SPRITE BY"));
    EXPECT_FALSE(AnyContains(texts, String(10, U'?')));
}

TEST_F(CreditsStageTest, AwfulJobPrefixFollowsTheSeed)
{
    random::Seed = 99;
    const String first = CreditsStage::RandomAwfulJob(U"PR");
    const String second = CreditsStage::RandomAwfulJob(U"PR");
    random::Seed = 99;
    EXPECT_EQ(CreditsStage::RandomAwfulJob(U"PR"), first);
    EXPECT_EQ(CreditsStage::RandomAwfulJob(U"PR"), second);
    EXPECT_EQ(first.substr(first.size() - 3), U" PR");
    // Every draw lands on one of the four prefixes, the top of the range included.
    for (uint32_t seed : {0u, 1u, 12345u, 0xFFFFFFFFu}) {
        random::Seed = seed;
        const String job = CreditsStage::RandomAwfulJob(U"MARKETING");
        EXPECT_TRUE(job == U"HALF-ASSED ATTEMPT AT MARKETING" || job == U"WORLD'S MOST AWFUL MARKETING" ||
                    job == U"SORRY EXCUSE OF MARKETING" || job == U"LESS THAN STELLAR MARKETING");
    }
}

}  // namespace
}  // namespace zelka
