#include "services/player/PlayerStats.h"

#include "services/player/PlayerData.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <utility>
#include <vector>

namespace zelka {
namespace {

TEST(PlayerStats, MatchResultsGrowTheModeRecord)
{
    Ref<PlayerStats> stats = PlayerStats::New();
    stats->AddMatchResult(1, 7, 7);  // draw
    stats->AddMatchResult(1, 3, 9);  // player 2 wins: only a match
    stats->AddMatchResult(1, 9, 3);  // player 1 wins
    const auto& mode = *stats->GetModeStats(1);
    EXPECT_EQ(std::tuple(mode.matches, mode.draws, mode.victories), std::tuple(3, 1, 1));
    for (int mode : {0, 2, 3, 4, -1}) stats->AddMatchResult(mode, 1, 0);  // 4 and -1 are no modes
    EXPECT_EQ(stats->GetTotalMatches(), 6);
}

// Only items 0-8 count (9 is the roulette); only players 1 and 2.
TEST(PlayerStats, ItemUsesOutsideTheCountedItemsAreIgnored)
{
    Ref<PlayerStats> stats = PlayerStats::New();
    stats->AddItemUse(1, 0);
    stats->AddItemUse(2, 8);
    stats->AddItemUse(1, 9);
    stats->AddItemUse(2, -1);
    stats->AddItemUse(3, 0);
    EXPECT_EQ((std::vector{stats->GetItemUses(1, 0), stats->GetItemUses(2, 8), stats->GetItemUses(1, 9),
                           stats->GetItemUses(2, -1), stats->GetTotalItemUses(0)}),
              (std::vector{1, 1, 0, 0, 1}));
}

TEST(PlayerStats, SumsSaturateOnHugeCounters)
{
    Ref<PlayerStats> stats = PlayerStats::New();
    stats->SetItemUses(1, 3, INT_MAX);
    stats->SetItemUses(2, 3, INT_MAX);
    stats->AddItemUse(1, 3);
    EXPECT_EQ(std::pair(stats->GetTotalItemUses(3), stats->GetItemUses(1, 3)), std::pair(INT_MAX, INT_MAX));
    for (int mode = 0; mode < 4; ++mode) stats->GetModeStats(mode)->matches = INT_MAX;
    EXPECT_EQ(stats->GetTotalMatches(), INT_MAX);
}

// Counters stop at the limit the loaded ones are held to; a match beyond it is not
// counted at all, so its draw or win cannot outgrow the matches.
TEST(PlayerStats, CountersStopAtTheirLimit)
{
    Ref<PlayerStats> stats = PlayerStats::New();
    MatchStats& mode = *stats->GetModeStats(2);
    mode.matches = kMaxStatsCounter - 1;
    mode.draws = kMaxStatsCounter - 1;
    stats->AddMatchResult(2, 4, 4);
    stats->AddMatchResult(2, 4, 4);
    stats->AddMatchResult(2, 5, 4);
    EXPECT_EQ(std::tuple(mode.matches, mode.draws, mode.victories, mode.PlayerTwoWins()),
              std::tuple(kMaxStatsCounter, kMaxStatsCounter, 0, 0));
    stats->SetItemUses(2, 6, kMaxStatsCounter);
    stats->AddItemUse(2, 6);
    EXPECT_EQ(stats->GetItemUses(2, 6), kMaxStatsCounter);
    EXPECT_FALSE(stats->ClampCounters());  // all in shape

    // A record set in memory is not clamped; player 2's wins still never go below 0 or
    // overflow.
    mode.matches = INT_MAX;
    mode.draws = INT_MIN;
    mode.victories = INT_MIN;
    EXPECT_EQ(mode.PlayerTwoWins(), INT_MAX);
    mode.matches = INT_MIN;
    mode.draws = INT_MAX;
    EXPECT_EQ(mode.PlayerTwoWins(), 0);
    EXPECT_TRUE(stats->ClampCounters());
    EXPECT_EQ(std::tuple(mode.matches, mode.draws, mode.victories), std::tuple(0, 0, 0));
}

// The results screen counts wins over a run of matches; a new match resets the rest.
TEST(PlayerData, ResetScoreKeepsTheRunWins)
{
    Ref<PlayerData> p = PlayerData::New();
    p->score = p->gems = p->treasures = p->chests = p->raceValue = 5;
    p->wins = 6;
    p->ResetScore();
    EXPECT_EQ(p->score + p->gems + p->treasures + p->chests + p->raceValue, 0);
    EXPECT_EQ(p->wins, 6);
}

}  // namespace
}  // namespace zelka
