#include "match/items/SpawnScan.h"

#include "engine/core/Random.h"
#include "match/items/ItemConstants.h"

namespace zelka {

namespace {

// A later candidate replaces the pick when a draw x 100 lands above this: a coin toss.
constexpr float kReplacePercent = 50.0f;
constexpr float kPercent = 100.0f;

// Left, right, up, down: the walk's order decides the distances, so it is fixed.
constexpr int kStepC[] = {-1, 1, 0, 0};
constexpr int kStepR[] = {0, 0, -1, 1};

}  // namespace

bool SpawnScan::IsRecorded(int c, int r) const
{
    for (int i = 0; i < count_; ++i) {
        if (cells_[static_cast<std::size_t>(i)].column == c && cells_[static_cast<std::size_t>(i)].row == r) {
            return true;
        }
    }
    return false;
}

void SpawnScan::ScanCells(const SpawnScanGrid& grid, int c, int r, int distance,
                          int distanceLimit)
{
    if (count_ >= kMaxRecords || distance >= distanceLimit || c < 0 || r < 0 ||
        c >= grid.GetCols() || r >= grid.GetRows() || grid.IsWall(c, r) || IsRecorded(c, r)) {
        return;
    }
    cells_[static_cast<std::size_t>(count_++)] = {c, r, distance, grid.ItemTypeAt(c, r)};
    for (int k = 0; k < 4; ++k) {
        ScanCells(grid, c + kStepC[k], r + kStepR[k], distance + 1, distanceLimit);
    }
}

int SpawnScan::FindBestCell(int distance, bool onGem) const
{
    const int wanted = onGem ? kItemGem : kNoItemId;
    int pick = -1;
    for (int i = 0; i < count_; ++i) {
        const CellInfo& cell = cells_[static_cast<std::size_t>(i)];
        if (cell.distance != distance || cell.itemType != wanted) {
            continue;
        }
        if (pick < 0 || random::Rnd() * kPercent > kReplacePercent) {
            pick = i;
        }
    }
    return pick;
}

}  // namespace zelka
