#include "match/maze/ExtendedMaze.h"

#include "engine/core/Random.h"
#include "match/MatchConstants.h"
#include "tests/match/MazeTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <tuple>
#include <vector>

namespace zelka {

namespace {

using mazetest::AdvanceSeed;
using mazetest::NextDraw;
using mazetest::Reachable;
using mazetest::StdoutToStderr;

struct MazeSize {
    int width;
    int height;
};

// The versus sizes offered by the match settings.
constexpr MazeSize kVersusSizes[] = {{10, 9}, {16, 15}, {24, 25}};

// Spread over the whole 32-bit range.
uint32_t SeedFor(uint32_t k) { return 0x9E3779B9u * (k + 1); }

Ref<ExtendedMaze> Generate(MazeSize size, uint32_t seed)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(size.width, size.height);
    random::Seed = seed;
    maze->GenerateMaze();
    return maze;
}

// The left half's candidate cells for random traps as the generator listed them:
// corridor cells (at most 2 walls) that are not corner traps, column by column, top
// down. The two centre cells on the left had one more wall (east) before the halves
// were joined.
std::vector<int> RandomTrapSpots(const ExtendedMaze& maze)
{
    const int w = maze.MazeWidth();
    const int h = maze.MazeHeight();
    std::vector<int> spots;
    for (int x = 0; x < w / 2; ++x) {
        for (int y = 0; y < h; ++y) {
            int walls = maze.GetCell2(x, y) & kWallsMask;
            if (x == w / 2 - 1 && (y == 0 || y == h - 1)) walls |= kWallEast;
            const bool corner = x == 0 && (y == 0 || y == h - 1);
            if (std::popcount(static_cast<unsigned>(walls)) <= 2 && !corner) {
                spots.push_back(maze.CellIndex(x, y));
            }
        }
    }
    return spots;
}

// One draw per left-half cell but the first.
int CarveDraws(const ExtendedMaze& maze) { return maze.MazeWidth() * maze.MazeHeight() / 2 - 1; }

// Each half is a spanning tree (cells - 1 passages, all cells connected), the border is
// closed, both sides of every edge agree, and the halves meet only at the top and bottom
// centre walls.
void ExpectSpanningHalvesJoinedTwice(const ExtendedMaze& maze)
{
    const int w = maze.MazeWidth();
    const int h = maze.MazeHeight();
    int leftPassages = 0;
    std::vector<int> crossingRows;
    for (int y = 0; y < h; ++y) {
        ASSERT_TRUE(maze.GetCell2(0, y) & kWallWest);
        ASSERT_TRUE(maze.GetCell2(w - 1, y) & kWallEast);
        for (int x = 0; x < w; ++x) {
            if (y == 0) { ASSERT_TRUE(maze.GetCell2(x, 0) & kWallNorth); }
            if (y == h - 1) { ASSERT_TRUE(maze.GetCell2(x, h - 1) & kWallSouth); }
            const bool eastOpen = (maze.GetCell2(x, y) & kWallEast) == 0;
            if (x + 1 < w) { ASSERT_EQ(eastOpen, (maze.GetCell2(x + 1, y) & kWallWest) == 0); }
            const bool southOpen = (maze.GetCell2(x, y) & kWallSouth) == 0;
            if (y + 1 < h) { ASSERT_EQ(southOpen, (maze.GetCell2(x, y + 1) & kWallNorth) == 0); }
            if (x < w / 2) leftPassages += (x + 1 < w / 2 && eastOpen) + (y + 1 < h && southOpen);
            if (x == w / 2 - 1 && eastOpen) crossingRows.push_back(y);
        }
    }
    EXPECT_EQ(leftPassages, w / 2 * h - 1);
    EXPECT_EQ(crossingRows, (std::vector<int>{0, h - 1}));
    const auto inLeft = [&](int i) { return maze.XFromIndex(i) < w / 2; };
    const std::vector<char> left = Reachable(maze, w / 2 - 1, h / 2, inLeft);
    EXPECT_EQ(std::count(left.begin(), left.end(), 1), w / 2 * h);
    const std::vector<char> all = Reachable(maze, w / 2 - 1, h / 2);
    EXPECT_EQ(std::count(all.begin(), all.end(), 1), w * h);
}

// The traps are exactly the corners and the picks replayed from the seed (list order,
// index int((m - 1) * r)), mirrored, less the four centre cells whose flags the joining
// walls cleared. Returns the number of trap draws.
int ExpectSeededTraps(const ExtendedMaze& maze, uint32_t seed)
{
    const int w = maze.MazeWidth();
    const int h = maze.MazeHeight();
    std::set<int> expected = {maze.CellIndex(0, 0), maze.CellIndex(w - 1, 0),
                              maze.CellIndex(w - 1, h - 1), maze.CellIndex(0, h - 1)};
    std::vector<int> spots = RandomTrapSpots(maze);
    uint32_t replay = AdvanceSeed(seed, CarveDraws(maze));
    int draws = 0;
    for (; draws < 4 && !spots.empty(); ++draws) {
        const int m = static_cast<int>(spots.size());
        const int pick = static_cast<int>((m - 1) * NextDraw(replay));
        EXPECT_TRUE(pick < m - 1 || m == 1);  // the last spot only when it is alone
        expected.insert(spots[pick]);
        expected.insert(maze.MirrorIndex(spots[pick]));
        spots.erase(spots.begin() + pick);
    }
    for (const int x : {w / 2 - 1, w / 2}) {
        expected.erase(maze.CellIndex(x, 0));
        expected.erase(maze.CellIndex(x, h - 1));
    }
    std::set<int> actual;
    for (int i = 0; i < w * h; ++i) if (maze.GetCellFlag2(i) & kCellTrap) actual.insert(i);
    EXPECT_EQ(actual, expected);
    return draws;
}

}  // namespace

// ---- Accessors -----------------------------------------------------------------------

TEST(ExtendedMaze, AccessorsStayInsideTheGrid)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(4, 3);
    EXPECT_EQ(maze->CellIndex(4, 0), -1);  // would alias (0, 1) without the check
    EXPECT_EQ(maze->CellIndex(3, 2), 11);
    EXPECT_EQ(maze->GetCell(12), -1);
    EXPECT_EQ(maze->GetCell2(-1, 1), -1);
    EXPECT_EQ(maze->GetCellFlag(0, -1), kCellFlagsMask);
    EXPECT_EQ(maze->WallsAt2(4, 4), 4);
    EXPECT_TRUE(maze->IsDeadEnd(99));
    EXPECT_EQ(maze->MirrorIndex(12), -1);
    EXPECT_EQ(maze->GetNeighborIndex(maze->CellIndex(3, 1), 1, 0), -1);  // no wrap to row 2
    EXPECT_EQ(maze->GetNeighborIndex(maze->CellIndex(2, 1), -7, 3), maze->CellIndex(1, 2));
    // Writes outside are ignored and never spill into another cell; flags are only the
    // flag nibble, negative flags are ignored.
    maze->SetCell(12, 0);
    maze->SetCell(-1, 0);
    maze->SetCell2(4, 0, 0);
    maze->SetCellFlag2(0, 3, kCellTrap);
    maze->SetCellFlag(1, -kCellTrap);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(maze->GetCell(i), kCellAllWalls) << i;
    maze->SetCellFlag(0, 0x1FFF);
    EXPECT_EQ(maze->GetCell(0), kCellAllWalls | kCellFlagsMask);
    maze->SetCell(2, kCellTrap | kWallNorth | kWallSouth);  // flags are not walls
    EXPECT_EQ(maze->WallsAt(2), 2);
    EXPECT_FALSE(maze->IsDeadEnd(2));
    maze->InitMaze(2, 5);  // resizing resets too
    EXPECT_EQ(maze->GetCell(0), kCellAllWalls);

    Ref<ExtendedMaze> empty = ExtendedMaze::New(-3, 4);  // negative counts as 0
    EXPECT_EQ(empty->MazeWidth(), 0);
    EXPECT_EQ(empty->XFromIndex(7), 0);  // no division by a zero width
    // Mirroring swaps west and east only and drops the flags.
    EXPECT_EQ(ExtendedMaze::MirrorCellValue(kWallEast | kWallNorth), kWallWest | kWallNorth);
    EXPECT_EQ(ExtendedMaze::MirrorCellValue(kCellTrap | kCellOpen | kWallWest), kWallEast);
    EXPECT_EQ(ExtendedMaze::MirrorCellValue(0xF5), 0xF9);
    EXPECT_EQ(ExtendedMaze::MirrorCellFlags(kCellItemSpot | 3), kCellItemSpot | 3);
}

TEST(ExtendedMaze, RemoveWallOpensBothSidesOfNeighboursOnly)
{
    const int toward[][4] = {{2, 1, kWallEast, kWallWest}, {0, 1, kWallWest, kWallEast},
                             {1, 0, kWallNorth, kWallSouth}, {1, 2, kWallSouth, kWallNorth}};
    for (const auto& [bx, by, wallA, wallB] : toward) {
        Ref<ExtendedMaze> maze = ExtendedMaze::New(3, 3);
        const int a = maze->CellIndex(1, 1);
        const int b = maze->CellIndex(bx, by);
        maze->SetCellFlag(a, kCellTrap);
        maze->SetCellFlag(b, kCellOpen | kCellItemSpot);
        maze->RemoveWall(a, b);
        EXPECT_EQ(maze->GetCell(a), kCellAllWalls & ~wallA);  // flags cleared too
        EXPECT_EQ(maze->GetCell(b), kCellAllWalls & ~wallB);
    }
    Ref<ExtendedMaze> maze = ExtendedMaze::New(4, 3);
    maze->RemoveWall(-1, 0);
    maze->RemoveWall(11, 12);                                        // past the last cell
    maze->RemoveWall(0, 2);                                          // two apart in a row
    maze->RemoveWall(maze->CellIndex(1, 0), maze->CellIndex(1, 2));  // two apart in a column
    maze->RemoveWall(5, 5);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(maze->GetCell(i), kCellAllWalls) << i;
}

TEST(ExtendedMazeDeathTest, RemoveWallDiagonallyIsFatal)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(3, 3);
    EXPECT_EXIT((StdoutToStderr(), maze->RemoveWall(0, 4)), testing::ExitedWithCode(255),
                "Kestro Runtime Error : removing walls diagonally is not a supported operation");
    // Consecutive indices across a row end are diagonal cells, not neighbours.
    EXPECT_EXIT((StdoutToStderr(), maze->RemoveWall(2, 3)), testing::ExitedWithCode(255),
                "removing walls diagonally");
}

// ---- Versus maze ---------------------------------------------------------------------

// Worked by hand from seed 1234, whose first draw is 0.714: the walker at (1, 1) has the
// candidates left (0, 1) and up (1, 0); int(2 * 0.714) = 1 picks up. Then (0, 0) and
// (0, 1) are the only choices. (1, 0) is the only trap spot and gets a random trap,
// which opening the top centre wall removes again; it is left with one wall: open.
// The smallest maze, 2 x 1, draws nothing and loses both corner traps to the centre.
TEST(GenerateMaze, HandWorkedMazes)
{
    Ref<ExtendedMaze> maze = Generate({4, 2}, 1234);
    std::vector<int> cells;
    for (int i = 0; i < 8; ++i) cells.push_back(maze->GetCell(i));
    EXPECT_EQ(cells, (std::vector<int>{kWallNorth | kWallWest | kCellTrap, kWallNorth | kCellOpen,
                                       kWallNorth | kCellOpen, kWallNorth | kWallEast | kCellTrap,
                                       kWallSouth | kWallWest | kWallEast | kCellTrap,
                                       kWallSouth | kWallWest, kWallSouth | kWallEast,
                                       kWallSouth | kWallWest | kWallEast | kCellTrap}));
    EXPECT_EQ(random::Seed, AdvanceSeed(1234, 4));  // 3 steps + 1 trap

    Ref<ExtendedMaze> smallest = Generate({2, 1}, 77);
    EXPECT_EQ(smallest->GetCell(0), kWallNorth | kWallSouth | kWallWest);
    EXPECT_EQ(smallest->GetCell(1), kWallNorth | kWallSouth | kWallEast);
    EXPECT_EQ(random::Seed, 77u);
}

// Every rule of the generated versus maze, for 200 seeds of each size: mirror symmetry,
// spanning halves joined twice, seeded traps, open cells, exactly the draws the algorithm
// implies, and the same maze again from the same seed.
TEST(GenerateMaze, ManySeedsOfEverySizeKeepEveryRuleAndRepeat)
{
    for (const MazeSize size : kVersusSizes) {
        std::set<std::vector<int>> distinct;
        for (uint32_t k = 0; k < 200 && !testing::Test::HasFailure(); ++k) {
            const uint32_t seed = SeedFor(k);
            SCOPED_TRACE(testing::Message() << size.width << "x" << size.height << " seed " << seed);
            const Ref<ExtendedMaze> maze = Generate(size, seed);
            const uint32_t after = random::Seed;
            const auto cellsOf = [&](const ExtendedMaze& m) {
                std::vector<int> cells;
                for (int i = 0; i < size.width * size.height; ++i) cells.push_back(m.GetCell(i));
                return cells;
            };
            if (k < 20) {   // the same seed gives the same maze, and the seed does matter
                const Ref<ExtendedMaze> again = Generate(size, seed);
                ASSERT_EQ(random::Seed, after);
                ASSERT_EQ(cellsOf(*again), cellsOf(*maze));
                distinct.insert(cellsOf(*maze));
            }
            for (int i = 0; i < size.width * size.height; ++i) {
                const int cell = maze->GetCell(i);
                const int mirror = maze->GetCell(maze->MirrorIndex(i));
                ASSERT_EQ(mirror & kWallsMask, ExtendedMaze::MirrorCellValue(cell) & kWallsMask);
                ASSERT_EQ(mirror & kCellFlagsMask, cell & kCellFlagsMask);
                // Open cells are corridor ends without traps; no item spots in versus.
                const int flags = maze->GetCellFlag2(i);
                const bool open = maze->WallsAt(i) <= 1 && (flags & kCellTrap) == 0;
                ASSERT_EQ((flags & kCellOpen) != 0, open) << "cell " << i;
                ASSERT_EQ(flags & ~(kCellTrap | kCellOpen), 0);
            }
            ExpectSpanningHalvesJoinedTwice(*maze);
            const int trapDraws = ExpectSeededTraps(*maze, seed);
            EXPECT_EQ(after, AdvanceSeed(seed, CarveDraws(*maze) + trapDraws));
        }
        EXPECT_EQ(distinct.size(), 20u);
    }
}

// An odd width cannot mirror; an empty maze would start the walker at cell index -1.
TEST(GenerateMazeDeathTest, OddOrEmptySizesAreFatal)
{
    const char* const even = "Kestro Runtime Error : Maze width must be even!";
    const char* const least = "Kestro Runtime Error : Maze must be at least 2 x 1 cells!";
    for (const auto& [w, h, message] :
         {std::tuple{9, 9, even}, {1, 3, even}, {0, 5, least}, {4, 0, least}}) {
        Ref<ExtendedMaze> maze = ExtendedMaze::New(w, h);
        EXPECT_EXIT((StdoutToStderr(), maze->GenerateMaze()), testing::ExitedWithCode(255), message)
            << w << "x" << h;
    }
}

}  // namespace zelka
