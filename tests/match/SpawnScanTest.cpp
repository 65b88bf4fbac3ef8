#include "match/items/SpawnScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Random.h"
#include "match/items/ItemConstants.h"

namespace zelka {
namespace {

// '#' wall, '.' empty floor, 'g' a gem, 'c' a chest.
class TextGrid : public SpawnScanGrid {
public:
    explicit TextGrid(std::vector<std::string> rows) : rows_(std::move(rows)) {}
    int GetCols() const override { return static_cast<int>(rows_[0].size()); }
    int GetRows() const override { return static_cast<int>(rows_.size()); }
    bool IsWall(int c, int r) const override { return At(c, r) == '#'; }
    int ItemTypeAt(int c, int r) const override
    {
        const char tile = At(c, r);
        return tile == 'g' ? kItemGem : tile == 'c' ? kItemIceWand : kNoItemId;
    }

private:
    char At(int c, int r) const { return rows_[static_cast<size_t>(r)][static_cast<size_t>(c)]; }
    std::vector<std::string> rows_;
};

const CellInfo* Find(const SpawnScan& scan, int c, int r)
{
    for (int i = 0; i < scan.GetCount(); ++i) {
        if (scan.GetRecord(i).column == c && scan.GetRecord(i).row == r) return &scan.GetRecord(i);
    }
    return nullptr;
}

TEST(SpawnScan, FirstPathFixesTheDistance)
{
    // From (1, 1) the walk goes left, then up and right round the block: (1, 0) is first
    // reached after three steps although it is next to the start.
    const TextGrid grid({"...", "...", "..."});
    SpawnScan scan;
    scan.ScanCells(grid, 1, 1, 0, 4);
    ASSERT_NE(Find(scan, 1, 0), nullptr);
    EXPECT_EQ(Find(scan, 1, 0)->distance, 3);
    EXPECT_EQ(Find(scan, 0, 1)->distance, 1);
    EXPECT_EQ(scan.GetCount(), 9);
}

TEST(SpawnScan, StopsAtTwentyRecordsAndAtTheEdges)
{
    const TextGrid grid(std::vector<std::string>(9, std::string(9, '.')));
    SpawnScan scan;
    scan.ScanCells(grid, 0, 0, 0, 40);   // a corner start: negative neighbours are skipped
    EXPECT_EQ(scan.GetCount(), SpawnScan::kMaxRecords);
    scan.Clear();
    EXPECT_EQ(scan.GetCount(), 0);
    scan.ScanCells(grid, 4, 4, 0, 0);    // limit 0 records nothing
    EXPECT_EQ(scan.GetCount(), 0);
    const TextGrid walled({"#"});
    scan.ScanCells(walled, 0, 0, 0, 4);
    EXPECT_EQ(scan.GetCount(), 0);
}

TEST(SpawnScan, EmptyTilesFirstThenGemsButNeverOtherItems)
{
    const TextGrid grid({"#######",
                         "#g...c#",
                         "#######"});
    SpawnScan scan;
    scan.ScanCells(grid, 4, 1, 0, 4);   // distance 3: the gem at (1, 1) only
    EXPECT_EQ(scan.FindBestCell(3, false), -1);
    const int gem = scan.FindBestCell(3, true);
    ASSERT_GE(gem, 0);
    EXPECT_EQ(scan.GetRecord(gem).column, 1);

    scan.Clear();
    scan.ScanCells(grid, 2, 1, 0, 4);   // distance 3: the chest at (5, 1), never replaced
    EXPECT_EQ(scan.FindBestCell(3, false), -1);
    EXPECT_EQ(scan.FindBestCell(3, true), -1);
}

TEST(SpawnScan, EachLaterCandidateTossesAFreshCoin)
{
    const TextGrid grid({"#########",
                         "#.......#",
                         "#########"});
    SpawnScan scan;
    scan.ScanCells(grid, 4, 1, 0, 4);   // (1, 1) and (7, 1) at distance 3
    const uint32_t before = 99;
    random::Seed = before;
    const float toss = random::Rnd();
    const uint32_t afterOne = random::Seed;
    random::Seed = before;
    const int pick = scan.FindBestCell(3, false);
    EXPECT_EQ(random::Seed, afterOne);  // one candidate after the first: one draw
    EXPECT_EQ(scan.GetRecord(pick).column, toss * 100.0f > 50.0f ? 7 : 1);
}

}  // namespace
}  // namespace zelka
