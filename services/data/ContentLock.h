#pragma once

#include "platform/core/Ref.h"

namespace zelka {

class CharProfile;
class GameWorld;
class PlayerStats;

// Lock kinds. Any other kind never locks.
inline constexpr int kLockItemUses = 2;      // param = item 0-8, count = both players' uses
inline constexpr int kLockComingSoon = 3;    // always locked
inline constexpr int kLockTotalMatches = 4;  // count = matches over every game mode

// A play-to-unlock condition on one character or world. It keeps no state of its own:
// the condition is read from the statistics each time, so it opens by itself once the
// counters reach the count. (The lock card and the "UNLOCKED" notices live with the screens.)
class ContentLock {
public:
    // The content is not owned: it owns its lock.
    static Ref<ContentLock> New(const CharProfile* character, int kind, int param, int count);
    static Ref<ContentLock> New(const GameWorld* world, int kind, int param, int count);
    static Ref<ContentLock> New2();

    // True while the condition holds against `stats`.
    bool LockActive(const PlayerStats& stats) const;
    // The same against GameData::stats; with no statistics yet every counter reads 0.
    bool LockActive() const;

    int GetKind() const { return kind_; }
    int GetParam() const { return param_; }
    int GetCount() const { return count_; }
    // Still missing: uses for kind 2, matches for kind 4 (0 once open, and for other kinds).
    int GetRemaining(const PlayerStats& stats) const;

    // Exactly one of these is non-null for a lock made by New.
    const CharProfile* GetLockedCharacter() const { return character_; }
    const GameWorld* GetLockedWorld() const { return world_; }

private:
    const CharProfile* character_ = nullptr;
    const GameWorld* world_ = nullptr;
    int kind_ = 0;
    int param_ = 0;
    int count_ = 0;
};

}  // namespace zelka
