// Whole matches, headless: the eleven load steps, the banner, then 16 ms updates until the
// match asks for the next stage, with both players under the computer's control. One test
// case per match, so ctest runs them side by side.

#include "match/stage/ZELKAStage.h"

#include "engine/core/Random.h"
#include "match/character/Character.h"
#include "services/player/PlayerData.h"
#include "services/settings/StageSettings.h"
#include "tests/match/StageTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelka {
namespace {

using stagetest::kRace2P;
using stagetest::kVersus2P;
constexpr int kMinuteUpdates = 60000 / 16;

class WholeMatch : public stagetest::StageFixture {
protected:
    void SetUp() override
    {
        StageFixture::SetUp();
        GameData::gameSettings->SetOption(U"time", U"1:00");
        ZELKAStage::SetComputerForBothPlayers(true);
    }

    void Choose(const char32_t* size, int world)
    {
        GameData::gameSettings->SetOption(U"maze width", size);
        GameData::gameSettings->SetOption(U"maze height", size);
        GameData::SetCurrentWorldByIndex(world);
    }

    // Both characters' positions after every update.
    std::vector<float> Play(int mode, uint32_t seed, int most)
    {
        random::Seed = seed;
        Load(mode, GameData::gameSettings->GetTime());
        RunIntro();
        std::vector<float> trace;
        int underground[2] = {0, 0};
        for (int i = 0; i < most && stage_->GetRequestedStage() == kNoStageId; ++i) {
            Step();
            for (int player = 1; player <= 2; ++player) {
                const Character& character = *stage_->GetPlayer(player)->character;
                trace.push_back(character.position->x);
                trace.push_back(character.position->y);
                // The computer comes up at its target or after 4000 ms of tunnelling.
                int& below = underground[player - 1];
                below = character.GetState() == kCharUnderground ? below + 16 : 0;
                EXPECT_LE(below, 4000 + 2 * 16) << "player " << player << " update " << i;
            }
        }
        return trace;
    }
};

using VersusParam = std::tuple<const char32_t*, int>;

class WholeVersusMatch : public WholeMatch, public ::testing::WithParamInterface<VersusParam> {};

TEST_P(WholeVersusMatch, EndsOnTheClockAfterOneMinute)
{
    const auto [size, world] = GetParam();
    Choose(size, world);
    const std::vector<float> trace = Play(kVersus2P, 20261209, 2 * kMinuteUpdates);
    EXPECT_EQ(trace.size(), static_cast<size_t>(kMinuteUpdates) * 4);
    EXPECT_EQ((std::vector<int>{stage_->GetRequestedStage(), Plays(303, kSfxChannelVoice),
                                stage_->GetTime()}),
              (std::vector<int>{4, 1, 0}));
    // The players moved: the computer does control them.
    EXPECT_NE(trace[0], trace[trace.size() - 4]);
    // Every point comes from something picked up.
    const StageSettings& settings = *GameData::gameSettings;
    int taken = 0;
    for (const Ref<PlayerData>& player : {GameData::player1, GameData::player2}) {
        EXPECT_EQ(player->score, player->gems + player->treasures * settings.GetCornerTreasure() +
                                     player->chests * settings.GetGemsInItems());
        taken += player->gems;
    }
    EXPECT_GT(taken, 0);
}

INSTANTIATE_TEST_SUITE_P(SizesAndWorlds, WholeVersusMatch,
                         ::testing::Combine(::testing::Values(U"small", U"normal", U"large"),
                                            ::testing::Values(0, 1, 2, 3)),
                         [](const auto& info) {
                             const std::u32string size = std::get<0>(info.param);
                             return std::string(size.begin(), size.end()) + "World" +
                                    std::to_string(std::get<1>(info.param));
                         });

class WholeRace : public WholeMatch, public ::testing::WithParamInterface<int> {};

TEST_P(WholeRace, EndsWhenAPlayerTakesTheIdol)
{
    Choose(U"normal", GetParam());
    Play(kRace2P, 4242, 20 * kMinuteUpdates);
    EXPECT_EQ(std::pair(stage_->GetRequestedStage(), Plays(303, kSfxChannelVoice)), std::pair(4, 1));
    // Only the idol scores in a race, and only one player took it.
    const int idol = GameData::player1->score + GameData::player2->score;
    EXPECT_GT(idol, 0);
    EXPECT_TRUE(GameData::player1->score == 0 || GameData::player2->score == 0);
}

INSTANTIATE_TEST_SUITE_P(Worlds, WholeRace, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) { return "World" + std::to_string(info.param); });

TEST_F(WholeMatch, SameSeedGivesTheSameMatchUpdateForUpdate)
{
    Choose(U"normal", 1);
    const std::vector<float> first = Play(kVersus2P, 99, 1500);
    EXPECT_EQ(Play(kVersus2P, 99, 1500), first);
    EXPECT_NE(Play(kVersus2P, 100, 1500), first);
}

}  // namespace
}  // namespace zelka
