#pragma once

#include "platform/core/Ref.h"
#include "services/mapping/InputProvider.h"

namespace zelka {

class PlayerData;

// Input for menus that either player may drive: an action is hit when player 1's or
// player 2's current mapping (each if present) reports it.
class BothPlayersInput final : public InputProvider {
public:
    static Ref<BothPlayersInput> New(Ref<PlayerData> player1, Ref<PlayerData> player2);

    // Implements InputProvider.
    bool InputHit(int action) const override;

private:
    Ref<PlayerData> player1_;
    Ref<PlayerData> player2_;
};

}  // namespace zelka
