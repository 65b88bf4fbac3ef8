#pragma once

#include "engine/core/Object.h"

namespace zelka {

// The tile of the latest item change on the map: the data of event 777.
class ItemSpawnData : public Object {
public:
    int column = 0;
    int row = 0;
};

}  // namespace zelka
