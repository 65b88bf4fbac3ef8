#pragma once

// A stand-in for the computer player in tests and benchmarks: in a race it follows the
// maze's navigation towards the idol; elsewhere it tries a turn chosen by the shared
// generator every 300 ms (the maze refuses the impossible ones), so a seed replays the
// same match.

#include "engine/core/Cog.h"
#include "engine/core/Random.h"
#include "match/PlayerStageData.h"
#include "match/character/Character.h"

namespace zelka::stagetest {

class WanderLogic final : public Cog {
public:
    static constexpr int kTurnEveryMs = 300;
    static constexpr int kDirections = 4;

    explicit WanderLogic(PlayerStageData* player) : Cog(U"WANDER_LOGIC"), player_(player) {}

    void Update(int ms) override
    {
        Character* character = player_->character.get();
        if (character == nullptr || !character->IsWalking()) {
            return;
        }
        const int nav = character->GetNavigationDir();
        if (nav >= 0) {
            if (nav != character->GetDirection()) {
                character->SetDirection(nav);
            }
            return;
        }
        sinceTurn_ += ms;
        if (sinceTurn_ >= kTurnEveryMs) {
            sinceTurn_ = 0;
            character->SetDirection(static_cast<int>(random::Rnd() * kDirections));
        }
    }

private:
    PlayerStageData* player_;   // outlives the cog for the whole match
    int sinceTurn_ = 0;
};

}  // namespace zelka::stagetest
