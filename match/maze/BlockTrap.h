#pragma once

#include "engine/media/Sprite.h"

namespace zelka {

class MazeItem;

// A block that rises out of the floor of its tile while the traps are up. Frame 0 is sunk,
// frame 1 raised; an item lying on it (a child of the trap) rides up with the block and can
// be taken only while the block is down.
class BlockTrap : public Sprite {
public:
    // The world's "blocktrap.png", 32 x 48 frames; sequences "idle", "on", "off"; shows "idle".
    static Ref<BlockTrap> New(int column, int row);

    int GetColumn() const { return column_; }
    int GetRow() const { return row_; }
    // Not owned: the item manager owns every item for the whole match. Null for none.
    void SetItem(MazeItem* item) { item_ = item; }
    MazeItem* GetItem() const { return item_; }

    void Update(int ms) override;

    BlockTrap(Ref<DrawableCollection> collection, int fps) : Sprite(std::move(collection), fps) {}

private:
    int column_ = 0;
    int row_ = 0;
    MazeItem* item_ = nullptr;
};

}  // namespace zelka
