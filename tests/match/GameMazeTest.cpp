#include "match/maze/GameMaze.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "MatchTestSupport.h"
#include "MazeTestSupport.h"
#include "match/items/GameItemMaze.h"

namespace zelka {
namespace {

using matchtest::StandInWalker;

class GameMazeTest : public matchtest::MazeFixture {};

// Two cells side by side with the wall between them opened: 5 x 3 tiles.
Ref<ExtendedMaze> TwoCellRoom() { return matchtest::Corridor(2); }

// The distance rule as first written: pop from a stack, relax neighbours (right, left,
// up, down) whose value is -1 or larger, push them again.
std::vector<int> StackDistances(const GameMaze& maze, int gc, int gr)
{
    const int cols = maze.GetCols();
    std::vector<int> d(static_cast<size_t>(cols * maze.GetRows()), -1);
    d[static_cast<size_t>(gc + gr * cols)] = 0;
    std::vector<int> stack{gc + gr * cols};
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        const int v = d[static_cast<size_t>(i)];
        for (const int dir : kOrderRLUD) {
            const int c = i % cols + kDirStepC[dir];
            const int r = i / cols + kDirStepR[dir];
            if (!maze.IsCellPosValid(c, r) || maze.IsWall(c, r)) continue;
            int& n = d[static_cast<size_t>(c + r * cols)];
            if (n == -1 || n > v) {
                n = v + 1;
                stack.push_back(c + r * cols);
            }
        }
    }
    return d;
}

TEST_F(GameMazeTest, GeometryOfTheTileGrid)
{
    auto cells = ExtendedMaze::New(16, 9);
    auto maze = MakeMaze(*cells);
    EXPECT_EQ(std::pair(maze->GetCols(), maze->GetRows()), std::pair(33, 19));
    // The map's origin is the centre of tile (16, 9).
    EXPECT_EQ(std::pair(maze->TileCenterX(16), maze->TileCenterY(9)), std::pair(0.0f, 0.0f));
    EXPECT_EQ(std::pair(maze->TileColAt(0.0f), maze->TileRowAt(0.0f)), std::pair(16, 9));
    // Tile edges (floored): the left edge of the map is column 0, a little further is outside.
    EXPECT_EQ((std::vector<int>{maze->TileColAt(-528.0f), maze->TileColAt(-528.5f),
                                maze->TileRowAt(-304.25f), maze->TileRowAt(303.9f)}),
              (std::vector<int>{0, -1, -1, 18}));
    EXPECT_TRUE(maze->IsCellPosValid(32, 18));
    EXPECT_FALSE(maze->IsCellPosValid(33, 0));
    EXPECT_FALSE(maze->IsCellPosValid(0, -1));
}

TEST_F(GameMazeTest, WallMasksOfAHandMadeRoom)
{
    auto maze = MakeMaze(*TwoCellRoom());
    const TileMap& walls = *maze->GetMazeWalls();
    static constexpr int kAcross = kSideLeft | kSideRight;   // 12; its variants are 16 .. 19
    // Row r of the walls, with the variants of a horizontal piece read as the plain one.
    const auto row = [&walls](int r, bool variants) {
        std::vector<int> tiles;
        for (int c = 0; c < 5; ++c) {
            const int v = walls.GetTile(c, r);
            tiles.push_back(variants && v >= 16 && v < 20 ? kAcross : v);
        }
        return tiles;
    };
    EXPECT_EQ(row(0, true), (std::vector<int>{kSideDown | kSideRight, kAcross, kAcross, kAcross,
                                              kSideDown | kSideLeft}));
    // The cells and the opened wall between them are floor.
    EXPECT_EQ(row(1, false), (std::vector<int>{kSideUp | kSideDown, kEmptyTile, kEmptyTile, kEmptyTile,
                                               kSideUp | kSideDown}));
    // The last row never takes a variant.
    EXPECT_EQ(row(2, false), (std::vector<int>{kSideUp | kSideRight, kAcross, kAcross, kAcross,
                                               kSideUp | kSideLeft}));
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(maze->GetMazeFloor()->GetTile(c, 1), MazeTileMap::NORMAL_FLOOR_TILE) << c;
    }
}

TEST_F(GameMazeTest, AutotilingDrawsTwicePerHorizontalPieceOnlyWithVariants)
{
    auto cells = TwoCellRoom();
    // 20 wall tiles: the three horizontal pieces of row 0 draw two numbers each.
    random::Seed = 77;
    MakeMaze(*cells);
    EXPECT_EQ(random::Seed, mazetest::AdvanceSeed(77, 6));
    // 16 wall tiles: no draws at all. A fresh texture under the same name.
    TearDown();
    SetUp();
    device_.AddFakeImage("mazeset.png", 16 * 32, 32);
    random::Seed = 77;
    auto plain = MakeMaze(*cells);
    EXPECT_EQ(random::Seed, 77u);
    EXPECT_EQ(plain->GetMazeWalls()->GetTile(2, 0), 12);
}

TEST_F(GameMazeTest, SameSeedGivesSameTilesAndVariantsFollowTheDraws)
{
    auto cells = Versus(16, 15, 99);
    random::Seed = 4242;
    auto a = MakeMaze(*cells);
    random::Seed = 4242;
    auto b = MakeMaze(*cells);
    int variants = 0;
    uint32_t seed = 4242;
    for (int r = 0; r < a->GetRows(); ++r) {
        for (int c = 0; c < a->GetCols(); ++c) {
            const int v = a->GetMazeWalls()->GetTile(c, r);
            ASSERT_EQ(v, b->GetMazeWalls()->GetTile(c, r)) << c << "," << r;
            ASSERT_EQ(a->GetMazeFloor()->GetTile(c, r), b->GetMazeFloor()->GetTile(c, r));
            if (v >= 16) ++variants;
            // Replay the rule with an independent generator.
            if (v == 12 || v >= 16) {
                if (r == a->GetRows() - 1) {
                    EXPECT_EQ(v, 12);
                    continue;
                }
                const float r1 = mazetest::NextDraw(seed);
                const float r2 = mazetest::NextDraw(seed);
                const int expected = r2 * 100.0f >= 60.0f ? 16 + static_cast<int>(4.0f * r1) : 12;
                EXPECT_EQ(v, expected) << c << "," << r;
            }
        }
    }
    EXPECT_GT(variants, 0);
}

TEST_F(GameMazeTest, DistanceFieldAndNavigationOnAHandGrid)
{
    auto maze = MakeMaze(*matchtest::Corridor(3));   // 7 x 3 tiles
    maze->ComputeDistancesToGoal(5, 1);
    std::vector<int> row;   // tiles -1 (outside) .. 6 of row 1; 0 and 6 are walls
    for (int c = -1; c <= 6; ++c) row.push_back(maze->GetCellDistInfo(c, 1));
    EXPECT_EQ(row, (std::vector<int>{-1, -1, 4, 3, 2, 1, 0, -1}));
    EXPECT_EQ(maze->GetCellDistInfoWithDir(4, 1, kDirRight), 0);
    EXPECT_EQ(maze->GetCellDistInfoWithDir(1, 1, kDirLeft), -1);
    EXPECT_EQ(maze->GetNavigationDirAt(1, 1), kDirRight);
    EXPECT_EQ(maze->GetNavigationDirAt(5, 1), kDirNone);   // the goal
    EXPECT_EQ(maze->GetNavigationDirAt(0, 0), kDirNone);   // no distance
    maze->ComputeDistancesToGoal(1, 1);
    EXPECT_EQ(maze->GetNavigationDirAt(5, 1), kDirLeft);
}

TEST_F(GameMazeTest, DistanceFieldMatchesTheRelaxRuleAndLeadsEveryLaneTileToTheIdol)
{
    for (uint32_t k = 0; k < 12; ++k) {
        random::Seed = 1000 + k * 7919;
        auto cells = ExtendedMaze::New(kRaceTrackWidth, kRaceTrackHeight);
        const int code = cells->GenerateRFTIMaze();
        auto maze = MakeMaze(*cells);
        const TilePos idol = cells->RaceIdolTile(code);
        maze->ComputeDistancesToGoal(idol.c, idol.r);
        // Tile by tile as the relax rule has it, and every open tile has a distance.
        const std::vector<int> expected = StackDistances(*maze, idol.c, idol.r);
        for (int r = 0; r < maze->GetRows(); ++r) {
            for (int c = 0; c < maze->GetCols(); ++c) {
                const int d = maze->GetCellDistInfo(c, r);
                ASSERT_EQ(d, expected[static_cast<size_t>(c + r * maze->GetCols())]) << c << "," << r;
                ASSERT_TRUE(maze->IsWall(c, r) || d >= 0) << c << "," << r;
            }
        }
        // From both start tiles, following the navigation reaches the idol in exactly the
        // start's distance.
        for (int player = 1; player <= 2; ++player) {
            TilePos t = cells->RaceStartTile(player, code);
            const int distance = maze->GetCellDistInfo(t.c, t.r);
            ASSERT_GT(distance, 0);
            for (int n = 0; n < distance; ++n) {
                const int dir = maze->GetNavigationDirAt(t.c, t.r);
                ASSERT_NE(dir, kDirNone);
                t = {t.c + kDirStepC[dir], t.r + kDirStepR[dir]};
                ASSERT_FALSE(maze->IsWall(t.c, t.r));
            }
            EXPECT_EQ(t, idol);
        }
        maze->GetMazeBaseGDO()->Deallocate();
    }
}

TEST_F(GameMazeTest, CanChangeDirToTurnsOnlyNearTheCentre)
{
    auto maze = MakeMaze(*TwoCellRoom());
    StandInWalker w;
    const float cx = maze->TileCenterX(1);
    const float cy = maze->TileCenterY(1);
    // The window is strictly under 4 px on both axes.
    w.position.Set(cx + 3.9f, cy - 3.9f);
    EXPECT_TRUE(maze->CanChangeDirTo(w, 1, 1, kDirRight, false));
    EXPECT_FLOAT_EQ(w.position.x, cx + 3.9f);   // no snap asked
    w.position.Set(cx + 4.0f, cy);
    EXPECT_FALSE(maze->CanChangeDirTo(w, 1, 1, kDirRight, true));
    w.position.Set(cx, cy - 4.0f);
    EXPECT_FALSE(maze->CanChangeDirTo(w, 1, 1, kDirRight, true));
    w.position.Set(cx - 2.0f, cy + 1.0f);
    EXPECT_TRUE(maze->CanChangeDirTo(w, 1, 1, kDirRight, true));
    EXPECT_FLOAT_EQ(w.position.x, cx);
    EXPECT_FLOAT_EQ(w.position.y, cy);
    // A wall ahead refuses even on the centre; a bad direction refuses.
    EXPECT_FALSE(maze->CanChangeDirTo(w, 1, 1, kDirUp, true));
    EXPECT_FALSE(maze->CanChangeDirTo(w, 1, 1, 7, true));
}

TEST_F(GameMazeTest, DiggersAndTheWallBreakerMayFaceInteriorWallsNeverTheBorder)
{
    // 2 x 2 cells, all walls up: tile (2, 1) is an interior wall, (1, 0) the border.
    auto maze = MakeMaze(*ExtendedMaze::New(2, 2));
    StandInWalker w;
    w.position.Set(maze->TileCenterX(1), maze->TileCenterY(1));
    // The turns allowed from tile (1, 1), right, left, up, down: "R..D" is right and down.
    const auto turns = [&] {
        std::string allowed;
        for (int dir = 0; dir < kDirCount; ++dir) {
            allowed += maze->CanChangeDirTo(w, 1, 1, dir, false) ? "RLUD"[dir] : '.';
        }
        return allowed;
    };
    EXPECT_EQ(turns(), "....");
    for (int state : {kCharDigAnimation, kCharUnderground}) {
        w.state = state;
        EXPECT_EQ(turns(), "R..D") << state;
    }
    w.state = kCharWalking;
    w.buff = kBuffWallBreaker;
    EXPECT_EQ(turns(), "R..D");
    w.buff = kBuffTurbo;   // no wall-breaker
    EXPECT_EQ(turns(), "....");
    // A raised trap floor under an interior wall stops the wall-breaker, not a digger.
    maze->GetMazeFloor()->SetTile(2, 1, MazeTileMap::TRAP_FLOOR_TILE);
    maze->GetMazeBaseGDO()->ActivateBlockTraps(true);
    w.buff = kBuffWallBreaker;
    EXPECT_EQ(turns(), "...D");
    w.state = kCharUnderground;
    EXPECT_EQ(turns(), "R..D");
}

TEST_F(GameMazeTest, CellClearanceAndFirstExits)
{
    auto cells = ExtendedMaze::New(3, 3);
    cells->RemoveWall(4, 5);   // centre cell opens east
    cells->RemoveWall(4, 3);   // and west
    cells->RemoveWall(0, 3);   // cell (0,0) opens down
    auto maze = MakeMaze(*cells);
    EXPECT_EQ(maze->GetFirstExitFromCell(0, 0), kDirNone);   // border
    EXPECT_EQ(maze->GetFirstExitFromCell(3, 3), kDirRight);
    EXPECT_EQ(maze->GetFirstExitFromCell(1, 1), kDirDown);
    // The passage tile (2, 3) between cells: left needs c > 2, so it is skipped.
    EXPECT_EQ(maze->GetFirstExitFromCell(2, 3), kDirRight);
    EXPECT_EQ(maze->GetFirstExitFromCell(5, 5), kDirNone);   // closed cell
    EXPECT_TRUE(maze->IsCellClear(3, 3));
    EXPECT_FALSE(maze->IsCellClear(3, 2));
    EXPECT_FALSE(maze->IsCellClear(-1, 3));
    // Corner cells carry traps in a generated maze; here a trap floor by hand.
    maze->GetMazeFloor()->SetTile(3, 3, MazeTileMap::TRAP_FLOOR_TILE);
    EXPECT_TRUE(maze->IsCellClear(3, 3));
    maze->ToggleBlockTraps();
    EXPECT_FALSE(maze->IsCellClear(3, 3));
    EXPECT_TRUE(maze->CoordIsNearTileCenter(maze->TileCenterX(3) - 3.5f, maze->TileCenterY(3)));
    EXPECT_FALSE(maze->CoordIsNearTileCenter(maze->TileCenterX(3) - 4.0f, maze->TileCenterY(3)));
}

// The items' view of the maze: walls (none off the map), trap floors, the trap switch.
TEST_F(GameMazeTest, TheItemsViewOfWallsAndTraps)
{
    auto cells = TwoCellRoom();
    cells->SetCellFlag2(1, 0, kCellTrap);   // the trap on tile (3, 1)
    auto maze = MakeMaze(*cells);
    GameItemMaze view(*maze);
    EXPECT_TRUE(view.HasWallAt(0, 0));
    EXPECT_FALSE(view.HasWallAt(1, 1));
    EXPECT_FALSE(view.HasWallAt(-1, 1));
    EXPECT_TRUE(view.IsTrapFloorAt(3, 1));
    EXPECT_FALSE(view.IsTrapFloorAt(1, 1));
    EXPECT_FLOAT_EQ(view.TileCenterX(2), maze->TileCenterX(2));
    view.ToggleBlockTraps();
    EXPECT_TRUE(view.AreBlocksUp());
    view.ToggleBlockTraps();
    EXPECT_FALSE(view.AreBlocksUp());
}

}  // namespace
}  // namespace zelka
