#pragma once

#include "engine/collision/CollisionBox.h"
#include "engine/core/Object.h"
#include "engine/core/Vector.h"
#include "platform/core/Ref.h"

namespace zelka {

class Character;
class GameMaze;
class ItemStack;
class PlayerData;

// One player's match state, hung on the player's PlayerData for the length of a match.
// This holds what the maze and the control cogs read; the match stage owns the rest.
class PlayerStageData : public Object {
public:
    // Uses the selected inventory item. True when it was used; false when nothing happened
    // and the item stays. Nothing is used here: the match stage's record applies the item
    // effects.
    virtual bool UseCurrentItem() { return false; }

    Ref<Character> character;
    PlayerData* playerData = nullptr;   // not owned: the player outlives the match
    GameMaze* maze = nullptr;           // not owned: the match stage owns the maze
    Ref<ItemStack> itemStack;           // null: the player has no inventory
    // Current tile, kept up to date by the maze on every move event; -1 before the first.
    int tileC = -1;
    int tileR = -1;
    // Character position plus the tile map's position: the collision box's anchor.
    Ref<Vector> collisionAnchor = std::make_shared<Vector>();
    Ref<CollisionBox> collisionBox;
};

}  // namespace zelka
