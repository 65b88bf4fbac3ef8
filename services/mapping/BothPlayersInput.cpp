#include "services/mapping/BothPlayersInput.h"

#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"

#include <utility>

namespace zelka {

Ref<BothPlayersInput> BothPlayersInput::New(Ref<PlayerData> player1, Ref<PlayerData> player2)
{
    auto both = std::make_shared<BothPlayersInput>();
    both->player1_ = std::move(player1);
    both->player2_ = std::move(player2);
    return both;
}

bool BothPlayersInput::InputHit(int action) const
{
    for (const Ref<PlayerData>& player : {player1_, player2_}) {
        // The mapping is fetched every time: a player's device may be cleared meanwhile.
        if (player && player->GetInputMapping() && player->GetInputMapping()->InputHit(action)) {
            return true;
        }
    }
    return false;
}

}  // namespace zelka
