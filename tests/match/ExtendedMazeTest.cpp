#include "match/maze/ExtendedMaze.h"

#include "engine/core/Random.h"
#include "match/MatchConstants.h"
#include "tests/match/MazeTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <vector>

namespace zelka {

namespace {

using mazetest::AdvanceSeed;
using mazetest::IsPassage;
using mazetest::NextDraw;
using mazetest::Reachable;
using mazetest::StdoutToStderr;

struct MazeSize {
    int width;
    int height;
};

// The versus sizes offered by the match settings.
constexpr MazeSize kVersusSizes[] = {{10, 9}, {16, 15}, {24, 25}};
constexpr uint32_t kSeedCount = 200;

uint32_t SeedFor(uint32_t k)
{
    return 0x9E3779B9u * (k + 1);  // spread the seeds over the whole 32-bit range
}

Ref<ExtendedMaze> Generate(MazeSize size, uint32_t seed)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(size.width, size.height);
    random::Seed = seed;
    maze->GenerateMaze();
    return maze;
}

// Calls check(maze, seed) for many seeds of every versus size.
template <typename Check>
void ForManyVersusMazes(Check check)
{
    for (const MazeSize size : kVersusSizes) {
        for (uint32_t k = 0; k < kSeedCount; ++k) {
            const uint32_t seed = SeedFor(k);
            SCOPED_TRACE(testing::Message() << size.width << "x" << size.height
                                            << " seed " << seed);
            check(*Generate(size, seed), seed);
            if (testing::Test::HasFailure()) {
                return;
            }
        }
    }
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
            if (x == w / 2 - 1 && (y == 0 || y == h - 1)) {
                walls |= kWallEast;
            }
            const bool corner = x == 0 && (y == 0 || y == h - 1);
            if (std::popcount(static_cast<unsigned>(walls)) <= 2 && !corner) {
                spots.push_back(maze.CellIndex(x, y));
            }
        }
    }
    return spots;
}

int CarveDraws(const ExtendedMaze& maze)
{
    return maze.MazeWidth() * maze.MazeHeight() / 2 - 1;  // one per left-half cell but the first
}

}  // namespace

// ---- Accessors -----------------------------------------------------------------------

TEST(ExtendedMaze, NewAndResetGiveFourWallsEverywhere)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(4, 3);
    ASSERT_EQ(maze->MazeWidth(), 4);
    ASSERT_EQ(maze->MazeHeight(), 3);
    maze->SetCell(5, 0x203);
    maze->ResetMaze();
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(maze->GetCell(i), kCellAllWalls);
    }
    maze->InitMaze(2, 5);  // resizing resets too
    EXPECT_EQ(maze->GetCell2(1, 4), kCellAllWalls);
    EXPECT_EQ(maze->GetCell2(2, 0), -1);

    Ref<ExtendedMaze> empty = ExtendedMaze::New(-3, 4);  // negative counts as 0
    EXPECT_EQ(empty->MazeWidth(), 0);
    EXPECT_EQ(empty->GetCell(0), -1);
    EXPECT_EQ(empty->XFromIndex(7), 0);  // no division by a zero width
}

TEST(ExtendedMaze, AccessorsOutsideTheGridReturnNeutralValues)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(4, 3);
    EXPECT_FALSE(maze->IsValidCell(-1, 0));
    EXPECT_FALSE(maze->IsValidCell(4, 0));
    EXPECT_FALSE(maze->IsValidCell(0, 3));
    EXPECT_EQ(maze->CellIndex(4, 0), -1);  // would alias (0, 1) without the check
    EXPECT_EQ(maze->CellIndex(3, 2), 11);
    EXPECT_EQ(maze->GetCell(-1), -1);
    EXPECT_EQ(maze->GetCell(12), -1);
    EXPECT_EQ(maze->GetCell2(-1, 1), -1);
    EXPECT_EQ(maze->GetCellFlag(0, -1), kCellFlagsMask);
    EXPECT_EQ(maze->GetCellFlag2(12), kCellFlagsMask);
    EXPECT_EQ(maze->WallsAt(-5), 4);
    EXPECT_EQ(maze->WallsAt2(4, 4), 4);
    EXPECT_TRUE(maze->IsDeadEnd(99));
    EXPECT_EQ(maze->MirrorIndex(12), -1);
    EXPECT_EQ(maze->MirrorIndex(-1), -1);

    // Writes outside are ignored and never spill into another cell.
    maze->SetCell(12, 0);
    maze->SetCell(-1, 0);
    maze->SetCell2(4, 0, 0);
    maze->SetCellFlag(-1, kCellTrap);
    maze->SetCellFlag2(0, 3, kCellTrap);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(maze->GetCell(i), kCellAllWalls);
    }
}

TEST(ExtendedMaze, IndicesMirrorsAndNeighboursAgree)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(6, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            const int i = maze->CellIndex(x, y);
            EXPECT_EQ(maze->XFromIndex(i), x);
            EXPECT_EQ(maze->YFromIndex(i), y);
            EXPECT_EQ(maze->MirrorIndex(i), maze->CellIndex(5 - x, y));
        }
    }
    const int centre = maze->CellIndex(2, 1);
    EXPECT_EQ(maze->GetNeighborIndex(centre, 1, 0), maze->CellIndex(3, 1));
    EXPECT_EQ(maze->GetNeighborIndex(centre, -7, 3), maze->CellIndex(1, 2));  // signs only
    EXPECT_EQ(maze->GetNeighborIndex(centre, 0, 0), centre);
    EXPECT_EQ(maze->GetNeighborIndex(maze->CellIndex(5, 1), 1, 0), -1);  // no wrap to row 2
    EXPECT_EQ(maze->GetNeighborIndex(maze->CellIndex(0, 0), 0, -1), -1);
    EXPECT_EQ(maze->GetNeighborIndex(-1, 1, 0), -1);
}

TEST(ExtendedMaze, FlagsAndWallCounts)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(3, 1);
    maze->SetCellFlag(0, 0x1FFF);  // only the flag nibble is taken
    EXPECT_EQ(maze->GetCell(0), kCellAllWalls | kCellFlagsMask);
    maze->SetCellFlag(1, -kCellTrap);  // negative: ignored
    EXPECT_EQ(maze->GetCell(1), kCellAllWalls);
    maze->SetCellFlag2(1, 0, kCellTrap);
    maze->SetCellFlag2(1, 0, kCellOpen);
    EXPECT_EQ(maze->GetCellFlag2(1), kCellTrap | kCellOpen);
    EXPECT_EQ(maze->GetCellFlag(1, 0), kCellTrap | kCellOpen);

    maze->SetCell(2, kCellTrap | kWallNorth | kWallSouth);  // flags are not walls
    EXPECT_EQ(maze->WallsAt(2), 2);
    EXPECT_FALSE(maze->IsDeadEnd(2));
    maze->SetCell(2, kWallNorth | kWallSouth | kWallEast);
    EXPECT_EQ(maze->WallsAt2(2, 0), 3);
    EXPECT_TRUE(maze->IsDeadEnd(2));
}

TEST(ExtendedMaze, MirrorCellValueSwapsWestAndEastOnly)
{
    EXPECT_EQ(ExtendedMaze::MirrorCellValue(kWallWest), kWallEast);
    EXPECT_EQ(ExtendedMaze::MirrorCellValue(kWallEast | kWallNorth), kWallWest | kWallNorth);
    EXPECT_EQ(ExtendedMaze::MirrorCellValue(kCellAllWalls), kCellAllWalls);
    EXPECT_EQ(ExtendedMaze::MirrorCellValue(kWallSouth), kWallSouth);
    // Flags are dropped, the rest of the low byte stays.
    EXPECT_EQ(ExtendedMaze::MirrorCellValue(kCellTrap | kCellOpen | kWallWest), kWallEast);
    EXPECT_EQ(ExtendedMaze::MirrorCellValue(0xF5), 0xF9);
    EXPECT_EQ(ExtendedMaze::MirrorCellFlags(kCellItemSpot | 3), kCellItemSpot | 3);
}

TEST(ExtendedMaze, RemoveWallOpensBothSidesAndClearsFlags)
{
    struct Case {
        int bx, by;        // neighbour of (1, 1)
        int wallA, wallB;  // the walls that must go
    };
    const Case cases[] = {
        {2, 1, kWallEast, kWallWest},
        {0, 1, kWallWest, kWallEast},
        {1, 0, kWallNorth, kWallSouth},
        {1, 2, kWallSouth, kWallNorth},
    };
    for (const Case& c : cases) {
        Ref<ExtendedMaze> maze = ExtendedMaze::New(3, 3);
        const int a = maze->CellIndex(1, 1);
        const int b = maze->CellIndex(c.bx, c.by);
        maze->SetCellFlag(a, kCellTrap);
        maze->SetCellFlag(b, kCellOpen | kCellItemSpot);
        maze->RemoveWall(a, b);
        EXPECT_EQ(maze->GetCell(a), kCellAllWalls & ~c.wallA);
        EXPECT_EQ(maze->GetCell(b), kCellAllWalls & ~c.wallB);
        // The other cells are untouched.
        int untouched = 0;
        for (int i = 0; i < 9; ++i) {
            untouched += maze->GetCell(i) == kCellAllWalls;
        }
        EXPECT_EQ(untouched, 7);
    }
}

TEST(ExtendedMaze, RemoveWallIgnoresCellsThatAreNotNeighbours)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(4, 3);
    maze->SetCellFlag(0, kCellTrap);
    maze->RemoveWall(-1, 0);                       // negative index
    maze->RemoveWall(0, -1);
    maze->RemoveWall(11, 12);                      // past the last cell
    maze->RemoveWall(0, 2);                        // two apart in a row
    maze->RemoveWall(maze->CellIndex(1, 0), maze->CellIndex(1, 2));  // two apart in a column
    maze->RemoveWall(5, 5);                        // the same cell
    EXPECT_EQ(maze->GetCell(0), kCellAllWalls | kCellTrap);
    for (int i = 1; i < 12; ++i) {
        EXPECT_EQ(maze->GetCell(i), kCellAllWalls);
    }
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

TEST(ExtendedMaze, StartAndIdolTiles)
{
    Ref<ExtendedMaze> versus = ExtendedMaze::New(16, 15);
    // The walker's first cell (7, 7) and its mirror (8, 7).
    EXPECT_EQ(versus->VersusStartTile(1), (TilePos{15, 15}));
    EXPECT_EQ(versus->VersusStartTile(2), (TilePos{17, 15}));

    Ref<ExtendedMaze> track = ExtendedMaze::New(kRaceTrackWidth, kRaceTrackHeight);
    EXPECT_EQ(track->RaceStartTile(1, 0), (TilePos{1, 37}));
    EXPECT_EQ(track->RaceStartTile(2, 0), (TilePos{1, 35}));
    EXPECT_EQ(track->RaceStartTile(1, kTrackStartOnRight), (TilePos{35, 37}));
    EXPECT_EQ(track->RaceStartTile(2, kTrackStartOnRight | kTrackIdolOnRight), (TilePos{35, 35}));
    EXPECT_EQ(track->RaceIdolTile(kTrackStartOnRight), (TilePos{1, 2}));
    EXPECT_EQ(track->RaceIdolTile(kTrackIdolOnRight), (TilePos{35, 2}));
}

// ---- Versus maze ---------------------------------------------------------------------

// Worked by hand from seed 1234, whose first draw is 0.714: the walker at (1, 1) has the
// candidates left (0, 1) and up (1, 0); int(2 * 0.714) = 1 picks up. Then (0, 0) and
// (0, 1) are the only choices. (1, 0) is the only trap spot and gets a random trap,
// which opening the top centre wall removes again; it is left with one wall: open.
TEST(GenerateMaze, HandWorkedFourByTwoMaze)
{
    Ref<ExtendedMaze> maze = Generate({4, 2}, 1234);
    const int expected[] = {
        kWallNorth | kWallWest | kCellTrap, kWallNorth | kCellOpen,
        kWallNorth | kCellOpen, kWallNorth | kWallEast | kCellTrap,
        kWallSouth | kWallWest | kWallEast | kCellTrap, kWallSouth | kWallWest,
        kWallSouth | kWallEast, kWallSouth | kWallWest | kWallEast | kCellTrap,
    };
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(maze->GetCell(i), expected[i]) << "cell " << i;
    }
    EXPECT_EQ(random::Seed, AdvanceSeed(1234, 4));  // 3 steps + 1 trap
}

// Two cells, no draw: both corner traps are lost when the centre wall opens.
TEST(GenerateMaze, SmallestMazeIsTwoByOne)
{
    Ref<ExtendedMaze> maze = Generate({2, 1}, 77);
    EXPECT_EQ(maze->GetCell(0), kWallNorth | kWallSouth | kWallWest);
    EXPECT_EQ(maze->GetCell(1), kWallNorth | kWallSouth | kWallEast);
    EXPECT_EQ(random::Seed, 77u);
}

TEST(GenerateMaze, RightHalfMirrorsLeftHalf)
{
    ForManyVersusMazes([](const ExtendedMaze& maze, uint32_t) {
        for (int i = 0; i < maze.MazeWidth() * maze.MazeHeight(); ++i) {
            const int cell = maze.GetCell(i);
            const int mirror = maze.GetCell(maze.MirrorIndex(i));
            ASSERT_EQ(mirror & kWallsMask, ExtendedMaze::MirrorCellValue(cell) & kWallsMask);
            ASSERT_EQ(mirror & kCellFlagsMask, cell & kCellFlagsMask);
        }
    });
}

// Each half is a spanning tree (cells - 1 passages, all cells connected), the border is
// closed, both sides of every edge agree, and the halves meet only at the top and bottom
// centre walls.
TEST(GenerateMaze, HalvesAreSpanningTreesJoinedTwiceAtTheCentre)
{
    ForManyVersusMazes([](const ExtendedMaze& maze, uint32_t) {
        const int w = maze.MazeWidth();
        const int h = maze.MazeHeight();
        int leftPassages = 0;
        std::vector<int> crossingRows;
        for (int y = 0; y < h; ++y) {
            ASSERT_TRUE(maze.GetCell2(0, y) & kWallWest);
            ASSERT_TRUE(maze.GetCell2(w - 1, y) & kWallEast);
            for (int x = 0; x < w; ++x) {
                if (y == 0) {
                    ASSERT_TRUE(maze.GetCell2(x, 0) & kWallNorth);
                }
                if (y == h - 1) {
                    ASSERT_TRUE(maze.GetCell2(x, h - 1) & kWallSouth);
                }
                const bool eastOpen = (maze.GetCell2(x, y) & kWallEast) == 0;
                if (x + 1 < w) {
                    ASSERT_EQ(eastOpen, (maze.GetCell2(x + 1, y) & kWallWest) == 0);
                }
                const bool southOpen = (maze.GetCell2(x, y) & kWallSouth) == 0;
                if (y + 1 < h) {
                    ASSERT_EQ(southOpen, (maze.GetCell2(x, y + 1) & kWallNorth) == 0);
                }
                if (x < w / 2) {
                    leftPassages += (x + 1 < w / 2 && eastOpen) + (y + 1 < h && southOpen);
                }
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
    });
}

// The traps are exactly the corners and the picks replayed from the seed (list order,
// index int((m - 1) * r)), mirrored, less the four centre cells whose flags the joining
// walls cleared.
TEST(GenerateMaze, TrapsAreCornersAndSeededPicks)
{
    ForManyVersusMazes([](const ExtendedMaze& maze, uint32_t seed) {
        const int w = maze.MazeWidth();
        const int h = maze.MazeHeight();
        std::set<int> expected = {maze.CellIndex(0, 0), maze.CellIndex(w - 1, 0),
                                  maze.CellIndex(w - 1, h - 1), maze.CellIndex(0, h - 1)};
        std::vector<int> spots = RandomTrapSpots(maze);
        uint32_t replay = AdvanceSeed(seed, CarveDraws(maze));
        for (int k = 0; k < 4 && !spots.empty(); ++k) {
            const int m = static_cast<int>(spots.size());
            const int pick = static_cast<int>((m - 1) * NextDraw(replay));
            ASSERT_TRUE(pick < m - 1 || m == 1);  // the last spot only when it is alone
            expected.insert(spots[pick]);
            expected.insert(maze.MirrorIndex(spots[pick]));
            spots.erase(spots.begin() + pick);
        }
        for (const int x : {w / 2 - 1, w / 2}) {
            expected.erase(maze.CellIndex(x, 0));
            expected.erase(maze.CellIndex(x, h - 1));
        }
        std::set<int> actual;
        for (int i = 0; i < w * h; ++i) {
            if (maze.GetCellFlag2(i) & kCellTrap) actual.insert(i);
        }
        EXPECT_EQ(actual, expected);
    });
}

TEST(GenerateMaze, OpenCellsAreCorridorEndsWithoutTraps)
{
    ForManyVersusMazes([](const ExtendedMaze& maze, uint32_t) {
        for (int i = 0; i < maze.MazeWidth() * maze.MazeHeight(); ++i) {
            const int flags = maze.GetCellFlag2(i);
            const bool open = maze.WallsAt(i) <= 1 && (flags & kCellTrap) == 0;
            ASSERT_EQ((flags & kCellOpen) != 0, open) << "cell " << i;
            ASSERT_EQ(flags & ~(kCellTrap | kCellOpen), 0);  // no item spots in versus
        }
    });
}

TEST(GenerateMaze, DrawsOncePerStepAndPerRandomTrap)
{
    ForManyVersusMazes([](const ExtendedMaze& maze, uint32_t seed) {
        const int trapDraws = std::min<int>(4, RandomTrapSpots(maze).size());
        EXPECT_EQ(random::Seed, AdvanceSeed(seed, CarveDraws(maze) + trapDraws));
    });
}

TEST(GenerateMaze, SameSeedGivesSameMaze)
{
    for (const MazeSize size : kVersusSizes) {
        std::set<std::vector<int>> distinct;
        for (uint32_t k = 0; k < 20; ++k) {
            Ref<ExtendedMaze> first = Generate(size, SeedFor(k));
            const uint32_t after = random::Seed;
            Ref<ExtendedMaze> second = Generate(size, SeedFor(k));
            std::vector<int> a, b;
            for (int i = 0; i < size.width * size.height; ++i) {
                a.push_back(first->GetCell(i));
                b.push_back(second->GetCell(i));
            }
            ASSERT_EQ(a, b);
            ASSERT_EQ(random::Seed, after);
            distinct.insert(a);
        }
        EXPECT_EQ(distinct.size(), 20u);  // and the seed does matter
    }
}

TEST(GenerateMazeDeathTest, OddWidthIsFatal)
{
    Ref<ExtendedMaze> maze = ExtendedMaze::New(9, 9);
    EXPECT_EXIT((StdoutToStderr(), maze->GenerateMaze()), testing::ExitedWithCode(255),
                "Kestro Runtime Error : Maze width must be even!");
    Ref<ExtendedMaze> single = ExtendedMaze::New(1, 3);
    EXPECT_EXIT((StdoutToStderr(), single->GenerateMaze()), testing::ExitedWithCode(255),
                "Kestro Runtime Error : Maze width must be even!");
}

// The walker would start at cell index -1.
TEST(GenerateMazeDeathTest, EmptyMazeIsFatal)
{
    Ref<ExtendedMaze> noColumns = ExtendedMaze::New(0, 5);
    EXPECT_EXIT((StdoutToStderr(), noColumns->GenerateMaze()), testing::ExitedWithCode(255),
                "Kestro Runtime Error : Maze must be at least 2 x 1 cells!");
    Ref<ExtendedMaze> noRows = ExtendedMaze::New(4, 0);
    EXPECT_EXIT((StdoutToStderr(), noRows->GenerateMaze()), testing::ExitedWithCode(255),
                "Kestro Runtime Error : Maze must be at least 2 x 1 cells!");
}

}  // namespace zelka
