#pragma once

#include "engine/collision/StaticBox.h"
#include "engine/core/Object.h"
#include "engine/media/Sprite.h"
#include "match/items/ItemConstants.h"
#include "match/maze/MazeItem.h"

namespace zelka {

class GameMaze;

// Something lying on a maze tile that a character can pick up: a gem, a treasure, an item
// chest or the golden idol. The item manager owns every item for the whole match; the tile
// map, a block trap, the collision box and the respawn queue only point at it.
class Item : public Object, public MazeItem {
public:
    static Ref<Item> New() { return std::make_shared<Item>(); }

    // Implements MazeItem.
    int GetLifetime() const override { return lifetime; }
    void SetActive(bool on) override { active = on; }

    bool active = false;       // may be picked up
    int lifetime = -1;         // ms: -1 never expires, above 0 time left, 0 taken or expired
    int type = kItemGem;
    Ref<Sprite> sprite;
    int column = 0;            // tile
    int row = 0;
    GameMaze* maze = nullptr;  // not owned: the maze outlives its items
    // Its user object is this item: the item manager clears it when the match ends.
    Ref<StaticBox> box;
};

}  // namespace zelka
