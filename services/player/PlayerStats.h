#pragma once

#include "platform/core/Ref.h"

#include <array>
#include <vector>

namespace zelka {

// Item uses are counted for the inventory items 0-8; the roulette (9) never is.
inline constexpr int kCountedItemTypes = 9;
inline constexpr int kDefaultGameModeCount = 4;
// Every counter stays within 0 .. kMaxStatsCounter: nine digits fit every label showing one,
// and sums of a few counters stay far from the integer limit.
inline constexpr int kMaxStatsCounter = 999'999'999;

// Results of one game mode. Victories count player 1's wins only; player 2's wins are
// matches - draws - victories.
struct MatchStats {
    static MatchStats New() { return {}; }

    // Matches neither drawn nor won by player 1; never below 0.
    [[nodiscard]] int PlayerTwoWins() const;

    int matches = 0;
    int victories = 0;
    int draws = 0;
};

// The persistent record of all play, saved in the save file; the unlock rules read it.
class PlayerStats {
public:
    // One record per game mode identifier 0 .. modeCount-1, all counters 0.
    static Ref<PlayerStats> New(int modeCount = kDefaultGameModeCount);

    int GetTotalModes() const { return static_cast<int>(modes_.size()); }
    // Null outside [0, GetTotalModes()).
    MatchStats* GetModeStats(int modeId);
    const MatchStats* GetModeStats(int modeId) const;
    int GetTotalMatches() const;                         // over every game mode

    // One finished match of mode `modeId`: a draw when the scores are equal, a victory when
    // player 1 scored more. Unknown modes are ignored, and so is a match once the mode's
    // count has reached kMaxStatsCounter (its draws and victories never outgrow it).
    void AddMatchResult(int modeId, int score1, int score2);

    // player 1 or 2; items outside 0-8 (the roulette is 9) and other players are ignored.
    // A count stops at kMaxStatsCounter.
    void AddItemUse(int player, int item);
    int GetItemUses(int player, int item) const;         // 0 outside the ranges above
    void SetItemUses(int player, int item, int uses);    // ignored outside the ranges above
    int GetTotalItemUses(int item) const;                // both players together

    // Brings counters from a damaged or hand-edited file back into shape: each into
    // 0 .. kMaxStatsCounter, then per mode the draws to at most the matches and the
    // victories to at most the matches left after the draws. True when anything changed.
    bool ClampCounters();

private:
    int* ItemSlot(int player, int item);

    std::vector<MatchStats> modes_;
    std::array<int, kCountedItemTypes> itemUses_{};
    std::array<int, kCountedItemTypes> itemUsesP2_{};
};

}  // namespace zelka
