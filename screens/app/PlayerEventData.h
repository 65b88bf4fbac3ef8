#pragma once

#include "engine/core/Object.h"
#include "platform/core/Ref.h"

namespace zelka {

class PlayerData;

// The data of event 1010 (a player's input device or mapping changed): events carry
// Objects, PlayerData is not one.
class PlayerEventData : public Object {
public:
    explicit PlayerEventData(Ref<PlayerData> p) : player(std::move(p)) {}
    Ref<PlayerData> player;
};

}  // namespace zelka
