#pragma once

#include "engine/media/Sprite.h"

namespace zelka {

class Item;

// The look of each kind of maze item: gems, treasures and the idol on their sheets, chests
// as ItemChestSprite.
class ItemSprites {
public:
    ItemSprites() = delete;

    // A gem ("item_respawn" once, "idle" looping), a treasure ("idle", "collect"), the idol
    // ("idle" once) or, for the inventory items, a chest following `item`'s type.
    static Ref<Sprite> MakeSprite(int type, const Item* item);
    // Side of the item's square collision box, px.
    static int BoxSize(int type);
};

}  // namespace zelka
