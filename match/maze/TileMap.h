#pragma once

#include "engine/display/GDO.h"
#include "engine/media/TileSet.h"

#include <vector>

namespace zelka {

// One layer of tiles: columns x rows integers, index = column + row * columns, -1 empty (not
// drawn). Drawn centred on its position; culled in blocks of tiles (4 x 4 by default), so a
// large map costs only the blocks that show.
class TileMap : public GDO {
public:
    // Every tile empty. A null tile set gives a map of size 0 that draws nothing.
    static Ref<TileMap> New(Ref<TileSet> tileSet, int columns, int rows);

    // A new grid when the size changes (negative counts as 0); always all empty. The block
    // size is clamped to the new size.
    void SetMapSize(int columns, int rows);
    void SetTileSet(Ref<TileSet> tileSet) { tileSet_ = std::move(tileSet); }
    const Ref<TileSet>& GetTileSet() const { return tileSet_; }
    int GetMapCols() const { return columns_; }
    int GetMapRows() const { return rows_; }
    bool IsInside(int c, int r) const { return c >= 0 && r >= 0 && c < columns_ && r < rows_; }
    int GetTile(int c, int r) const;          // -1 outside
    void SetTile(int c, int r, int value);    // ignored outside
    // Every tile set to value.
    void Fill(int value);
    // Tiles per culling block, each clamped to 1 .. the map size.
    void SetVisibilityTestBlockSize(int blockColumns, int blockRows);
    int GetBlockCols() const { return blockCols_; }
    int GetBlockRows() const { return blockRows_; }

    // Tile width x columns and height x rows; 0 without a tile set.
    float GetWidth() const override;
    float GetHeight() const override;
    // The tiles of every block whose bounding circle meets the clip area.
    void Draw() override;
    // Releases the tile set and the children.
    void Deallocate() override;

private:
    void ClampBlocks();

    Ref<TileSet> tileSet_;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<int> tiles_;
    int blockCols_ = 1;    // tiles per block
    int blockRows_ = 1;
    int blocksX_ = 0;      // blocks across and down
    int blocksY_ = 0;
};

}  // namespace zelka
