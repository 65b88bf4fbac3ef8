#include "services/player/PlayerStats.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace zelka {

namespace {

// Into 0 .. limit; true when it was outside.
bool ClampTo(int& value, int limit)
{
    const int clamped = std::clamp(value, 0, limit);
    const bool changed = clamped != value;
    value = clamped;
    return changed;
}

}  // namespace

int MatchStats::PlayerTwoWins() const
{
    // Wider than int: the counters of a record made in memory are not clamped.
    const int64_t wins = int64_t{matches} - draws - victories;
    return static_cast<int>(std::clamp<int64_t>(wins, 0, INT_MAX));
}

Ref<PlayerStats> PlayerStats::New(int modeCount)
{
    auto stats = std::make_shared<PlayerStats>();
    stats->modes_.assign(modeCount > 0 ? modeCount : 0, MatchStats::New());
    return stats;
}

MatchStats* PlayerStats::GetModeStats(int modeId)
{
    if (modeId < 0 || modeId >= GetTotalModes()) return nullptr;
    return &modes_[modeId];
}

const MatchStats* PlayerStats::GetModeStats(int modeId) const
{
    if (modeId < 0 || modeId >= GetTotalModes()) return nullptr;
    return &modes_[modeId];
}

// Counters come from a file and may be huge: sums saturate instead of overflowing.
int PlayerStats::GetTotalMatches() const
{
    int64_t total = 0;
    for (const MatchStats& mode : modes_) total += mode.matches;
    return static_cast<int>(std::clamp<int64_t>(total, INT_MIN, INT_MAX));
}

int PlayerStats::GetTotalItemUses(int item) const
{
    int64_t total = int64_t{GetItemUses(1, item)} + GetItemUses(2, item);
    return static_cast<int>(std::clamp<int64_t>(total, INT_MIN, INT_MAX));
}

void PlayerStats::AddMatchResult(int modeId, int score1, int score2)
{
    MatchStats* mode = GetModeStats(modeId);
    if (!mode || mode->matches >= kMaxStatsCounter) return;
    ++mode->matches;
    // Within the matches once clamped; the guards only keep a record made in memory from
    // overflowing.
    if (score1 == score2) {
        if (mode->draws < kMaxStatsCounter) ++mode->draws;
    } else if (score1 > score2 && mode->victories < kMaxStatsCounter) {
        ++mode->victories;
    }
}

int* PlayerStats::ItemSlot(int player, int item)
{
    if (item < 0 || item >= kCountedItemTypes) return nullptr;
    if (player == 1) return &itemUses_[item];
    if (player == 2) return &itemUsesP2_[item];
    return nullptr;
}

void PlayerStats::AddItemUse(int player, int item)
{
    int* slot = ItemSlot(player, item);
    if (slot && *slot < kMaxStatsCounter) ++*slot;
}

int PlayerStats::GetItemUses(int player, int item) const
{
    const int* slot = const_cast<PlayerStats*>(this)->ItemSlot(player, item);
    return slot ? *slot : 0;
}

void PlayerStats::SetItemUses(int player, int item, int uses)
{
    if (int* slot = ItemSlot(player, item)) *slot = uses;
}

bool PlayerStats::ClampCounters()
{
    bool changed = false;
    for (MatchStats& mode : modes_) {
        changed |= ClampTo(mode.matches, kMaxStatsCounter);
        changed |= ClampTo(mode.draws, mode.matches);
        changed |= ClampTo(mode.victories, mode.matches - mode.draws);
    }
    for (auto* uses : {&itemUses_, &itemUsesP2_}) {
        for (int& count : *uses) changed |= ClampTo(count, kMaxStatsCounter);
    }
    return changed;
}

}  // namespace zelka
