#pragma once

#include "engine/media/Sprite.h"

namespace zelka {

// A rock that falls onto its tile forever in a fixed rhythm: 4000 ms hidden, the fall at
// 12 frames per second (the impact sound and a quake near its end), 1000 ms blinking.
class FallingRock : public Sprite {
public:
    static constexpr int kWaiting = 0;
    static constexpr int kFalling = 1;
    static constexpr int kLanded = 2;

    // "fallingrock.png" (all worlds), 32 x 96 frames; hidden and waiting.
    static Ref<FallingRock> New(int column, int row);

    int GetColumn() const { return column_; }
    int GetRow() const { return row_; }
    int GetStatus() const { return status_; }
    int GetTimer() const { return timer_; }
    // Shows the rock and starts a fall now (the timer restarts unless it is falling already).
    void Fall();
    // A new status restarts the timer.
    void SetStatus(int status);
    // Step / frames of "fall" while falling, else 0.
    float GetFallProgress() const;
    // Falling and more than half-way down: it confuses whoever walks under it.
    bool CloseToTheGround() const;

    void Update(int ms) override;

    FallingRock(Ref<DrawableCollection> collection, int fps) : Sprite(std::move(collection), fps) {}

private:
    int column_ = 0;
    int row_ = 0;
    int status_ = kWaiting;
    int timer_ = 0;         // ms since the last status change
    bool landed_ = false;   // the impact of this fall has played
};

}  // namespace zelka
