#include "services/data/ContentLock.h"

#include "services/data/GameData.h"
#include "services/player/PlayerStats.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace zelka {

Ref<ContentLock> ContentLock::New(const CharProfile* character, int kind, int param, int count)
{
    auto lock = std::make_shared<ContentLock>();
    lock->character_ = character;
    lock->kind_ = kind;
    lock->param_ = param;
    lock->count_ = count;
    return lock;
}

Ref<ContentLock> ContentLock::New(const GameWorld* world, int kind, int param, int count)
{
    auto lock = New(static_cast<const CharProfile*>(nullptr), kind, param, count);
    lock->world_ = world;
    return lock;
}

Ref<ContentLock> ContentLock::New2()
{
    return std::make_shared<ContentLock>();
}

int ContentLock::GetRemaining(const PlayerStats& stats) const
{
    int64_t have = 0;
    if (kind_ == kLockItemUses) have = stats.GetTotalItemUses(param_);
    else if (kind_ == kLockTotalMatches) have = stats.GetTotalMatches();
    else return 0;
    // Counters from a file may be negative or huge: compute wide, the result fits an int.
    return static_cast<int>(std::clamp<int64_t>(count_ - have, 0, INT_MAX));
}

bool ContentLock::LockActive(const PlayerStats& stats) const
{
    if (kind_ == kLockComingSoon) return true;
    if (kind_ != kLockItemUses && kind_ != kLockTotalMatches) return false;
    return GetRemaining(stats) > 0;
}

bool ContentLock::LockActive() const
{
    if (GameData::stats) return LockActive(*GameData::stats);
    return LockActive(*PlayerStats::New());
}

}  // namespace zelka
