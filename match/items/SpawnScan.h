#pragma once

#include <array>
#include <cstddef>

namespace zelka {

// One tile reached by the spawn search. itemType is kNoItemId when the tile holds no item.
struct CellInfo {
    int column = 0;
    int row = 0;
    int distance = 0;   // tiles along the first path that reached it
    int itemType = 0;
};

// What the spawn search reads of the maze.
class SpawnScanGrid {
public:
    virtual ~SpawnScanGrid() = default;
    virtual int GetCols() const = 0;
    virtual int GetRows() const = 0;
    virtual bool IsWall(int c, int r) const = 0;
    // Type of the item on the tile, kNoItemId for none.
    virtual int ItemTypeAt(int c, int r) const = 0;
};

// Finds a tile for a new chest a few steps from a player: a depth-first walk over open
// tiles (left, right, up, down) that records at most 20 tiles with the distance of the
// first path that reached each. That first path need not be the shortest: the walk's
// order decides, as it always has, so a seeded match places its chests the same way.
class SpawnScan {
public:
    static constexpr int kMaxRecords = 20;

    void Clear() { count_ = 0; }
    // Records (c, r) at `distance` and walks on to its neighbours at distance + 1. Stops on
    // a full buffer, at distanceLimit, outside the grid, on a wall or on a recorded tile.
    void ScanCells(const SpawnScanGrid& grid, int c, int r, int distance, int distanceLimit);
    // Among the records at `distance` that are empty (or, with onGem, hold a gem): the first,
    // replaced by each later one for which a fresh Rnd() x 100 > 50. Index, -1 when none.
    int FindBestCell(int distance, bool onGem) const;

    int GetCount() const { return count_; }
    const CellInfo& GetRecord(int index) const { return cells_[static_cast<std::size_t>(index)]; }

private:
    bool IsRecorded(int c, int r) const;

    std::array<CellInfo, kMaxRecords> cells_{};
    int count_ = 0;
};

}  // namespace zelka
