#pragma once

#include "engine/core/Vector.h"

namespace zelka {

// What the maze needs of a figure that walks it: the Character implements it. The maze
// acts on events 0 and 1 only from sources that are walkers.
class MazeWalker {
public:
    virtual ~MazeWalker() = default;

    // Position relative to the tile map's centre, px; the maze clamps, snaps and pushes it.
    virtual Vector& WalkerPosition() = 0;
    virtual int GetDirection() const = 0;          // kDirRight .. kDirDown
    virtual int GetState() const = 0;              // kCharWalking .. kCharUnderground
    virtual int GetCurrentBuff() const = 0;        // kBuffNone, kBuffWallBreaker, kBuffTurbo
    virtual int GetCurrentDeBuff() const = 0;      // kBuffNone or kDebuffConfused .. kDebuffFrozen
    virtual void SetCurrentDebuff(int type, int ms) = 0;
    // px/s^2 along the walking direction; 0 also restores the base speed.
    virtual void SetAccel(float accel) = 0;
    virtual void SetNavigationDir(int dir) = 0;    // kDirNone hides the cursor
    virtual int GetPlayerNumber() const = 0;       // 1 or 2

    bool IsTeleporting() const;                    // state 1
    bool IsDigging() const;                        // state 2 or 3: dig animation or underground
    bool IsWalking() const;                        // state 0
};

}  // namespace zelka
