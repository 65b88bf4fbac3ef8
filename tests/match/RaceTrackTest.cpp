#include "match/maze/ExtendedMaze.h"

#include "engine/core/Random.h"
#include "match/MatchConstants.h"
#include "match/maze/RaceTrackBlocks.h"
#include "tests/match/MazeTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace zelka {

namespace {

using mazetest::AdvanceSeed;
using mazetest::IsPassage;
using mazetest::Reachable;
using mazetest::StdoutToStderr;

constexpr int kW = kRaceTrackWidth;
constexpr uint32_t kSeedCount = 2000;

uint32_t SeedFor(uint32_t k) { return 0x9E3779B9u * (k + 1) + 12345u; }
int RowsOf(const racetrack::Block& block) { return static_cast<int>(block.walls.size()) / kW; }
int CellOfTile(int tile) { return (tile - 1) / 2; }

// The cell value the block puts at (x, row) of itself, mirrored or not.
int BlockCell(const racetrack::Block& block, int x, int row, bool mirrored)
{
    const int column = mirrored ? kW - 1 - x : x;
    const int entry = row * kW + column;
    int walls = block.walls[entry] - 1;
    if (mirrored) {
        const int west = walls & kWallWest;
        const int east = walls & kWallEast;
        walls = (walls & ~(kWallWest | kWallEast)) | (west ? kWallEast : 0) | (east ? kWallWest : 0);
    }
    const int flag = block.flags[entry] > 0 ? (block.flags[entry] - 16) << 8 : 0;
    return walls | flag;
}

bool BlockSitsAt(const ExtendedMaze& maze, const racetrack::Block& block, int firstRow,
                 bool mirrored)
{
    if (firstRow + RowsOf(block) > maze.MazeHeight()) return false;
    for (int row = 0; row < RowsOf(block); ++row) {
        for (int x = 0; x < kW; ++x) {
            if (maze.GetCell2(x, firstRow + row) != BlockCell(block, x, row, mirrored)) return false;
        }
    }
    return true;
}

// Reads the middle rows back as a sequence of block sizes, each block mirrored the other
// way from the one before, the first like the top block. Empty if the rows do not parse.
std::optional<std::vector<int>> ParseMiddleBlocks(const ExtendedMaze& maze, bool topMirrored)
{
    std::vector<int> sizes;
    int row = 2;
    bool mirrored = topMirrored;
    while (row < maze.MazeHeight() - 2) {
        int found = 0;
        for (int n = 2; n <= 6; ++n) {
            if (BlockSitsAt(maze, racetrack::MiddleBlock(n), row, mirrored)) {
                EXPECT_EQ(found, 0) << "two blocks match at row " << row;
                found = n;
            }
        }
        if (found == 0) return std::nullopt;
        sizes.push_back(found);
        row += found;
        mirrored = !mirrored;
    }
    if (row != maze.MazeHeight() - 2) return std::nullopt;
    return sizes;
}

}  // namespace

// The blocks' edges: entered from above at columns 16 and 17 and left downward at
// columns 0 and 1, everything else closed; the bottom block is entered at columns 0 and
// 1 (it follows a middle block with the same mirror setting).
TEST(RaceTrackBlocks, TablesAreWholeRowsWithMatchingOpenings)
{
    std::vector<racetrack::Block> blocks = {racetrack::TopBlock(), racetrack::BottomBlock()};
    for (int n = 2; n <= 6; ++n) blocks.push_back(racetrack::MiddleBlock(n));
    std::vector<int> rows;
    for (const auto& block : blocks) rows.push_back(RowsOf(block));
    EXPECT_EQ(rows, (std::vector<int>{2, 2, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(racetrack::MiddleBlock(7).walls.empty());
    EXPECT_TRUE(racetrack::MiddleBlock(1).flags.empty());
    for (size_t b = 0; b < blocks.size(); ++b) {
        SCOPED_TRACE(testing::Message() << "block " << b);
        const racetrack::Block& block = blocks[b];
        ASSERT_EQ(block.walls.size() % kW, 0u);
        ASSERT_EQ(block.flags.size(), block.walls.size());
        for (size_t i = 0; i < block.walls.size(); ++i) {
            EXPECT_TRUE(block.walls[i] >= 1 && block.walls[i] <= 16);
            EXPECT_TRUE(block.flags[i] == 0 || block.flags[i] == 17 || block.flags[i] == 18 ||
                        block.flags[i] == 20);
        }
        const int last = RowsOf(block) - 1;
        const bool isTop = b == 0;
        const bool isBottom = b == 1;
        for (int x = 0; x < kW; ++x) {
            const int north = (block.walls[x] - 1) & kWallNorth;
            const int south = (block.walls[last * kW + x] - 1) & kWallSouth;
            const bool entry = isTop ? false : isBottom ? x <= 1 : x >= 16;
            const bool exit = isBottom ? false : isTop ? x >= 16 : x <= 1;
            EXPECT_EQ(north == 0, entry) << "column " << x;
            EXPECT_EQ(south == 0, exit) << "column " << x;
        }
    }
}

TEST(CopyRFTIPatternToMaze, RefusesBadTablesAndPlacesWithoutWriting)
{
    const racetrack::Block block = racetrack::MiddleBlock(3);
    Ref<ExtendedMaze> maze = ExtendedMaze::New(kW, 6);
    const auto unchanged = [&] {
        for (int i = 0; i < kW * 6; ++i) if (maze->GetCell(i) != kCellAllWalls) return false;
        return true;
    };
    EXPECT_FALSE(maze->CopyRFTIPatternToMaze({}, {}, 0, false));
    EXPECT_FALSE(maze->CopyRFTIPatternToMaze(block.walls.first(17), block.flags.first(17), 0, false));
    EXPECT_FALSE(maze->CopyRFTIPatternToMaze(block.walls, block.flags.first(36), 0, false));
    EXPECT_FALSE(maze->CopyRFTIPatternToMaze(block.walls, block.flags, -1, false));
    EXPECT_FALSE(maze->CopyRFTIPatternToMaze(block.walls, block.flags, 4, true));  // rows 4-6 of 6
    EXPECT_TRUE(unchanged());
    EXPECT_TRUE(maze->CopyRFTIPatternToMaze(block.walls, block.flags, 3, true));   // last fit

    Ref<ExtendedMaze> narrow = ExtendedMaze::New(16, 6);
    EXPECT_FALSE(narrow->CopyRFTIPatternToMaze(block.walls.first(32), block.flags.first(32), 0, false));
    EXPECT_EQ(narrow->GetCell(0), kCellAllWalls);
}

// Over many seeds: the code is valid, the top and bottom blocks match it, the middle rows
// parse into 2- to 6-row blocks of alternating mirror setting ending like the bottom
// block, and the generator moved by one draw for the top plus one per middle block. The
// players start on dead ends in the bottom two rows of the side the code gives; each
// reaches the idol passage, and their lanes meet only there. The same seed gives the
// same track.
TEST(GenerateRFTIMaze, ManySeedsFillEveryRowAndLeadBothStartsToTheIdol)
{
    std::vector<int> blockCounts(16, 0);
    std::vector<int> codes(4, 0);
    Ref<ExtendedMaze> again = ExtendedMaze::New(kW, kRaceTrackHeight);
    for (uint32_t k = 0; k < kSeedCount; ++k) {
        const uint32_t seed = SeedFor(k);
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Ref<ExtendedMaze> maze = ExtendedMaze::New(kW, kRaceTrackHeight);
        random::Seed = seed;
        const int code = maze->GenerateRFTIMaze();
        ASSERT_TRUE(code >= 0 && code <= 3);
        ++codes[code];
        const bool topMirrored = (code & kTrackIdolOnRight) != 0;
        const bool bottomMirrored = (code & kTrackStartOnRight) == 0;
        ASSERT_TRUE(BlockSitsAt(*maze, racetrack::TopBlock(), 0, topMirrored));
        ASSERT_TRUE(BlockSitsAt(*maze, racetrack::BottomBlock(), kRaceTrackHeight - 2,
                                bottomMirrored));
        const std::optional<std::vector<int>> sizes = ParseMiddleBlocks(*maze, topMirrored);
        ASSERT_TRUE(sizes.has_value());
        const int blocks = static_cast<int>(sizes->size());
        EXPECT_EQ(bottomMirrored, topMirrored == (blocks % 2 == 1));  // same as the last block
        EXPECT_EQ(random::Seed, AdvanceSeed(seed, 1 + blocks));
        ++blockCounts[blocks];

        const TilePos p1 = maze->RaceStartTile(1, code);
        const TilePos p2 = maze->RaceStartTile(2, code);
        const TilePos idol = maze->RaceIdolTile(code);
        const int sx = (code & kTrackStartOnRight) ? kW - 1 : 0;
        ASSERT_EQ((std::vector<int>{CellOfTile(p1.c), CellOfTile(p1.r), CellOfTile(p2.c),
                                    CellOfTile(p2.r)}),
                  (std::vector<int>{sx, kRaceTrackHeight - 1, sx, kRaceTrackHeight - 2}));
        EXPECT_TRUE(maze->IsDeadEnd(maze->CellIndex(sx, kRaceTrackHeight - 1)));
        EXPECT_TRUE(maze->IsDeadEnd(maze->CellIndex(sx, kRaceTrackHeight - 2)));
        // The idol's tile lies between cells (ix, 0) and (ix, 1).
        const int ix = CellOfTile(idol.c);
        ASSERT_EQ(idol.r, 2);
        ASSERT_TRUE(IsPassage(*maze, ix, 0, 0, 1));
        const int above = maze->CellIndex(ix, 0);
        const int below = maze->CellIndex(ix, 1);
        const std::vector<char> fromP1 = Reachable(*maze, sx, kRaceTrackHeight - 1);
        const std::vector<char> fromP2 = Reachable(*maze, sx, kRaceTrackHeight - 2);
        ASSERT_TRUE(fromP1[above] && fromP1[below]);
        ASSERT_TRUE(fromP2[above] && fromP2[below]);
        const auto any = [](int) { return true; };
        const std::vector<char> cut = Reachable(*maze, sx, kRaceTrackHeight - 1, any, {above, below});
        ASSERT_FALSE(cut[maze->CellIndex(sx, kRaceTrackHeight - 2)]);

        if (k < 50) {
            random::Seed = seed;
            ASSERT_EQ(again->GenerateRFTIMaze(), code);
            for (int i = 0; i < kW * kRaceTrackHeight; ++i) ASSERT_EQ(again->GetCell(i), maze->GetCell(i));
        }
    }
    // 15 middle rows take 3 to 7 blocks; every orientation occurs.
    for (int blocks = 0; blocks < 16; ++blocks) {
        EXPECT_TRUE((blocks >= 3 && blocks <= 7) || blockCounts[blocks] == 0) << blocks;
    }
    for (int code = 0; code < 4; ++code) EXPECT_GT(codes[code], kSeedCount / 8) << "code " << code;
}

// Any height from 6 up works with width 18: the block sizes always fit.
TEST(GenerateRFTIMaze, EveryHeightFromSixFills)
{
    for (int height = 6; height <= 40; ++height) {
        for (uint32_t k = 0; k < 50; ++k) {
            Ref<ExtendedMaze> maze = ExtendedMaze::New(kW, height);
            random::Seed = SeedFor(k);
            const int code = maze->GenerateRFTIMazeWithBlocks();
            ASSERT_NE(code, -1) << "height " << height;
            const bool topMirrored = (code & kTrackIdolOnRight) != 0;
            ASSERT_TRUE(ParseMiddleBlocks(*maze, topMirrored).has_value()) << "height " << height;
        }
    }
}

TEST(GenerateRFTIMazeDeathTest, BadSizesAndMissingBlocksAreFatal)
{
    Ref<ExtendedMaze> low = ExtendedMaze::New(kW, 5);
    EXPECT_EXIT((StdoutToStderr(), low->GenerateRFTIMaze()), testing::ExitedWithCode(255),
                "Kestro Runtime Error : Height should be >= 6!");
    Ref<ExtendedMaze> narrow = ExtendedMaze::New(16, kRaceTrackHeight);
    EXPECT_EXIT((StdoutToStderr(), narrow->GenerateRFTIMaze()), testing::ExitedWithCode(255),
                "Kestro Runtime Error : Maze width should be 18!");
    Ref<ExtendedMaze> maze = ExtendedMaze::New(kW, kRaceTrackHeight);
    EXPECT_EXIT((StdoutToStderr(), (void)maze->GetRFTIWalls(7)), testing::ExitedWithCode(255),
                "Kestro Runtime Error : There's no RFTI block of 7 rows!");
    EXPECT_EXIT((StdoutToStderr(), (void)maze->GetRFTIFlags(1)), testing::ExitedWithCode(255),
                "Kestro Runtime Error : There's no RFTI flags block of 1 rows!");
}

}  // namespace zelka
