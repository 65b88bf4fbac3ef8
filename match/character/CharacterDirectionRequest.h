#pragma once

#include "engine/core/Object.h"

namespace zelka {

// A turn a character asks for (event 0). The maze clears `allowed` to refuse it.
class CharacterDirectionRequest : public Object {
public:
    bool allowed = true;
    int oldDirection = -1;
    int newDirection = -1;
};

}  // namespace zelka
