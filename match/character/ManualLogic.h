#pragma once

#include "engine/core/Cog.h"

namespace zelka {

class PlayerStageData;

// A human player's control: turns from the held direction keys, the next-item and use
// keys, and mashing any key to thaw a frozen character. Acts only while the player has a
// character and an input mapping.
class ManualLogic : public Cog {
public:
    static constexpr int kTurnPollMs = 79;   // a turn is polled once more than this has passed

    // Named "P" + player number + "_MANUAL_LOGIC". The record is not owned: it outlives the
    // control cog for the whole match.
    static Ref<ManualLogic> New(PlayerStageData* stage);

    void Update(int ms) override;
    int GetTimeSinceLastTurn() const { return sinceTurn_; }

private:
    void PollTurn(int ms);
    void HandleItems();
    // The direction (as the character will take it) differs and the maze allows it here.
    bool CheckDirection(int dir) const;

    PlayerStageData* stage_ = nullptr;
    int sinceTurn_ = 0;   // ms
};

}  // namespace zelka
