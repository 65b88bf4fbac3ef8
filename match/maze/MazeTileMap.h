#pragma once

#include "engine/display/EmptyGDOContainer.h"
#include "engine/tween/Tween.h"
#include "match/MatchConstants.h"
#include "match/maze/ItemSpawnData.h"
#include "match/maze/TileMap.h"

#include <array>
#include <vector>

namespace zelka {

class BlockTrap;
class BreakAnimation;
class FallingRock;
class MazeItem;

// The drawable maze: the floor layer, the wall layer (walls, and as its children the traps,
// rocks, items, characters and break animations) and in dark worlds a light layer on top.
// Holds the item lying on each tile and the block-trap timer. Tiles are addressed in the
// grid's (column, row); the layers are centred on this node.
class MazeTileMap : public EmptyGDOContainer {
public:
    // Floor tile numbers, set by New from the floor set's size: with fewer than 17 tiles
    // 0 / 1 / 2 / 3 and no trails; with 17 or more 0 / 16 / 17 / 18, and floor values 0-15
    // are trail masks (kSideUp .. kSideRight through which characters walked).
    static inline int NORMAL_FLOOR_TILE = 0;
    static inline int RUBBLE_FLOOR_TILE = 1;
    static inline int TRAP_FLOOR_TILE = 2;     // under a block trap
    static inline int TRAP2_FLOOR_TILE = 3;    // under a falling rock

    // Both layers columns x rows, all empty; with a light set the light layer and its
    // breathing radius; the pool of break animations (the world's "wallbreak.png").
    static Ref<MazeTileMap> New(Ref<TileSet> floorSet, Ref<TileSet> wallSet, int columns,
                                int rows, Ref<TileSet> lightSet = nullptr);

    const Ref<TileMap>& GetFloor() const { return floor_; }
    const Ref<TileMap>& GetWalls() const { return walls_; }
    const Ref<TileMap>& GetLight() const { return light_; }   // null in lit worlds
    bool HasTrails() const { return trails_; }
    int GetCols() const { return columns_; }
    int GetRows() const { return rows_; }

    // Items: one per floor tile. Setting sends event 777 (data: the tile): once for an item
    // on an empty tile, once for null (item there or not), twice for a replacement
    // (removal, then placement). Ignored outside the grid.
    void SetItemAtCell(int c, int r, Ref<MazeItem> item);
    Ref<MazeItem> GetItemAtCell(int c, int r) const;   // null outside
    const ItemSpawnData& GetLastChangedItem() const { return *lastItem_; }

    // Maze elements standing on a tile (null when none).
    Ref<BlockTrap> GetTrapAt(int c, int r) const;
    Ref<FallingRock> GetFallingRockAt(int c, int r) const;
    // A block trap on tile (c, r), 8 px above its centre; the floor becomes the trap floor.
    Ref<BlockTrap> AddTrap(int c, int r);
    // A falling rock on tile (c, r), 31 px above its centre; the floor under it changes.
    Ref<FallingRock> AddFallingRock(int c, int r);

    // Traps: up for 5000 ms (a raise while up restarts the time) or down now; every trap
    // animates, then event 778.
    void ActivateBlockTraps(bool up);
    bool AreBlocksUp() const { return trapTimer_ > 0; }
    int GetTrapTimer() const { return trapTimer_; }

    // The first idle break animation plays centred on tile (c, r); none idle: nothing.
    void BreakWallAt(int c, int r);

    // Autotiling of the region (inclusive, clamped to the map), row by row: each wall tile
    // gets its wall-neighbour mask; with randomise and a wall set of 17+ tiles a horizontal
    // piece outside the last row draws twice from the shared generator and may become a
    // variant. Empty wall positions with no floor get the plain floor.
    void _RecomputeMazeWalls(int c0, int r0, int c1, int r1, bool randomise);
    void _RecomputeAllWalls(bool randomise);

    // Light: all tiles to 0 (darkest); radius is in tiles, the light adds up and is clamped.
    void ResetLightMap();
    void AddLightSource(int c, int r, int radius);

    // The wall layer's children by lower edge, ascending: lower things draw over higher ones.
    void SortMazeElements();

    // Display tree, sort, lighting around both players, and the trap timer.
    void Update(int ms) override;
    void Deallocate() override;

    // Centre of tile (c, r) relative to this node, px.
    float TileCenterX(int c) const;
    float TileCenterY(int r) const;

private:
    int TileIndex(int c, int r) const { return c + r * columns_; }
    int WallMaskAt(int c, int r) const;

    Ref<TileMap> floor_;
    Ref<TileMap> walls_;
    Ref<TileMap> light_;
    Ref<Tween> breath_;                 // light radius in tiles, 5 to 3 and back
    int columns_ = 0;
    int rows_ = 0;
    bool trails_ = false;
    int trapTimer_ = 0;                 // ms; 0 = traps down
    std::vector<Ref<MazeItem>> items_;
    Ref<ItemSpawnData> lastItem_ = std::make_shared<ItemSpawnData>();
    std::array<Ref<BreakAnimation>, kBreakAnimations> breaks_;
};

}  // namespace zelka
