#include "services/player/PlayerStats.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace zelka {

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
    if (!mode) return;
    if (mode->matches < INT_MAX) ++mode->matches;
    if (score1 == score2) {
        if (mode->draws < INT_MAX) ++mode->draws;
    } else if (score1 > score2 && mode->victories < INT_MAX) {
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
    if (slot && *slot < INT_MAX) ++*slot;
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

}  // namespace zelka
