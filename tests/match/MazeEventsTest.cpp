// The maze's answers to the characters' turn and move events, and the falling rocks and
// break animations they meet.

#include "match/maze/GameMaze.h"

#include <gtest/gtest.h>

#include "MatchTestSupport.h"
#include "match/maze/BreakAnimation.h"
#include "match/maze/FallingRock.h"
#include "services/player/PlayerData.h"

namespace zelka {
namespace {

using matchtest::kStep;
using matchtest::StandInWalker;
using matchtest::WalkerStage;

class MazeEventsTest : public matchtest::MazeFixture {
protected:
    Ref<StandInWalker> Walker(const Ref<GameMaze>& maze, int c, int r)
    {
        auto w = std::make_shared<StandInWalker>();
        w->position.Set(maze->TileCenterX(c), maze->TileCenterY(r));
        EventManager::RegisterListener(maze, w, kEventAnyId);
        return w;
    }

    // A 3 x 1 corridor of cells, open from end to end: tiles (1..5, 1).
    static Ref<ExtendedMaze> Corridor() { return matchtest::Corridor(3); }

    WalkerStage stage_;
};

TEST_F(MazeEventsTest, MoveClampsStoresTheTileAndInARaceNavigates)
{
    auto maze = MakeMaze(*Corridor());
    auto w = Walker(maze, 1, 1);
    w->position.Set(-500.0f, 0.0f);
    stage_.SendMoved(*w, *maze);
    EXPECT_FLOAT_EQ(w->position.x, 48.0f - 7 * 16.0f);   // 48 px inside the map
    EXPECT_EQ(std::pair(stage_.data->tileC, stage_.data->tileR), std::pair(1, 1));
    EXPECT_EQ(w->navigation, kDirNone);                   // versus: untouched
    SetRace(true);
    auto player = PlayerData::New();
    stage_.data->playerData = player.get();
    maze->ComputeDistancesToGoal(5, 1);
    w->position.Set(maze->TileCenterX(3), maze->TileCenterY(1));
    stage_.SendMoved(*w, *maze);
    EXPECT_EQ(w->navigation, kDirRight);
    EXPECT_EQ(player->raceValue, 2);
    EXPECT_EQ(stage_.data->tileC, 3);
}

// A walker facing a wall is pushed back to 3 px short of its tile centre (walking away
// is not pushed); a digger passes interior walls and stops only at the border, breaking
// nothing.
TEST_F(MazeEventsTest, WallsPushWalkersBackButDiggersOnlyAtTheBorder)
{
    auto maze = MakeMaze(*Corridor());
    auto w = Walker(maze, 5, 1);
    w->direction = kDirRight;
    const float centre = w->position.x;
    for (int n = 0; n < 10; ++n) {
        w->position.x += 1.6f;
        stage_.SendMoved(*w, *maze);
    }
    EXPECT_NEAR(w->position.x, centre - 3.0f, 1e-4);
    w->direction = kDirLeft;
    w->position.x -= 1.6f;
    stage_.SendMoved(*w, *maze);
    EXPECT_NEAR(w->position.x, centre - 4.6f, 1e-4);

    auto walled = MakeMaze(*ExtendedMaze::New(2, 1));   // the cells are walled apart
    auto d = Walker(walled, 1, 1);
    d->state = kCharUnderground;
    d->direction = kDirRight;
    for (int n = 0; n < 100; ++n) {
        d->position.x += 1.6f;
        stage_.SendMoved(*d, *walled);
    }
    EXPECT_NEAR(d->position.x, walled->TileCenterX(3) - 3.0f, 1e-3);
    EXPECT_NE(walled->GetMazeWalls()->GetTile(2, 1), kEmptyTile);
}

TEST_F(MazeEventsTest, TheWallBreakerBreaksEvenWhenEveryAnimationIsBusy)
{
    auto maze = MakeMaze(*ExtendedMaze::New(2, 2));
    auto map = maze->GetMazeBaseGDO();
    std::vector<Ref<BreakAnimation>> anims;
    for (int i = 0; i < map->GetWalls()->ChildCount(); ++i) {
        auto a = std::dynamic_pointer_cast<BreakAnimation>(map->GetWalls()->GetChild(i));
        if (a) anims.push_back(a);
    }
    ASSERT_EQ(anims.size(), 8u);
    for (int n = 0; n < 8; ++n) map->BreakWallAt(0, n);   // all eight busy
    for (auto& a : anims) EXPECT_TRUE(a->IsPlaying() && a->visible);
    auto w = Walker(maze, 1, 1);
    w->buff = kBuffWallBreaker;
    w->direction = kDirRight;
    w->position.x += 1.6f;
    stage_.SendMoved(*w, *maze);
    // The ninth wall goes without an animation: tile, floor, sound, neighbours.
    EXPECT_EQ(maze->GetMazeWalls()->GetTile(2, 1), kEmptyTile);
    EXPECT_EQ(maze->GetMazeFloor()->GetTile(2, 1), MazeTileMap::RUBBLE_FLOOR_TILE);
    EXPECT_EQ(SfxCount(kSfxWallBreak), 1);
    EXPECT_EQ(maze->GetMazeWalls()->GetTile(2, 0), kSideLeft | kSideRight);   // lost its down
    EXPECT_EQ(maze->GetMazeWalls()->GetTile(2, 2), kSideLeft | kSideRight | kSideDown);
    for (auto& a : anims) EXPECT_FLOAT_EQ(a->position->x, maze->TileCenterX(0));
    // Not pushed: it walks on into the rubble.
    EXPECT_NEAR(w->position.x, maze->TileCenterX(1) + 1.6f, 1e-4);
    // Once an animation is free, the next break plays it on its tile.
    for (int n = 0; n < 40; ++n) map->Update(kStep);
    EXPECT_FALSE(anims[0]->visible);
    map->BreakWallAt(2, 3);
    EXPECT_TRUE(anims[0]->IsPlaying());
    EXPECT_FLOAT_EQ(anims[0]->position->x, maze->TileCenterX(2));
    // The border never breaks.
    w->position.Set(maze->TileCenterX(1), maze->TileCenterY(1));
    w->direction = kDirUp;
    w->position.y -= 1.6f;
    stage_.SendMoved(*w, *maze);
    EXPECT_NE(maze->GetMazeWalls()->GetTile(1, 0), kEmptyTile);
    EXPECT_NEAR(w->position.y, maze->TileCenterY(1) + 3.0f, 1e-4);
}

TEST_F(MazeEventsTest, WalkersLeaveTrailsOnBothTilesOfEachStep)
{
    auto maze = MakeMaze(*Corridor());
    const TileMap& floor = *maze->GetMazeFloor();
    auto w = Walker(maze, 1, 1);
    w->direction = kDirRight;
    stage_.SendMoved(*w, *maze);   // the first event has no previous tile
    EXPECT_EQ(floor.GetTile(1, 1), 0);
    w->position.x += 17.0f;        // into tile (2, 1)
    stage_.SendMoved(*w, *maze);
    EXPECT_EQ(std::pair(floor.GetTile(1, 1), floor.GetTile(2, 1)), std::pair(kSideRight, kSideLeft));
    w->direction = kDirLeft;
    w->position.x -= 17.0f;        // back
    stage_.SendMoved(*w, *maze);
    EXPECT_EQ(std::pair(floor.GetTile(1, 1), floor.GetTile(2, 1)), std::pair(kSideRight, kSideLeft));
    // Diggers leave none.
    w->state = kCharUnderground;
    w->direction = kDirRight;
    w->position.x += 49.0f;
    stage_.SendMoved(*w, *maze);
    w->position.x += 17.0f;
    stage_.SendMoved(*w, *maze);
    EXPECT_EQ(std::pair(floor.GetTile(3, 1), floor.GetTile(4, 1)), std::pair(0, 0));
}

TEST_F(MazeEventsTest, IceSpeedsUpOnTrailsOrTowardOpenTiles)
{
    auto ice = MakeMaze(*Corridor(), kWorldIce);
    auto w = Walker(ice, 2, 1);
    w->direction = kDirRight;
    stage_.SendMoved(*w, *ice);
    EXPECT_FLOAT_EQ(w->accel, 0.0f);   // fresh floor
    ice->GetMazeFloor()->SetTile(2, 1, kSideLeft);
    ice->GetMazeFloor()->SetTile(3, 1, kSideRight);
    stage_.SendMoved(*w, *ice);
    EXPECT_FLOAT_EQ(w->accel, kIceAccel);
    // Without trails (a 4-tile floor set): any open tile ahead.
    TearDown();
    SetUp();
    device_.AddFakeImage("floorset.png", 4 * 32, 32);
    auto plainIce = MakeMaze(*Corridor(), kWorldIce);
    auto v = Walker(plainIce, 5, 1);
    v->direction = kDirLeft;
    stage_.SendMoved(*v, *plainIce);
    EXPECT_FLOAT_EQ(v->accel, kIceAccel);
    v->direction = kDirRight;
    stage_.SendMoved(*v, *plainIce);
    EXPECT_FLOAT_EQ(v->accel, 0.0f);
    // Other worlds always set 0.
    auto dry = MakeMaze(*Corridor(), 0);
    auto d = Walker(dry, 3, 1);
    stage_.SendMoved(*d, *dry);
    EXPECT_FLOAT_EQ(d->accel, 0.0f);
}

// 2 x 1 cells, the left one open (a rock spot), in a world of falling rocks.
class RockTest : public MazeEventsTest {
protected:
    void SetUp() override
    {
        MazeEventsTest::SetUp();
        auto cells = ExtendedMaze::New(2, 1);
        cells->RemoveWall(0, 1);
        cells->SetCellFlag2(0, 0, kCellOpen);
        maze_ = MakeMaze(*cells, kWorldFallingRocks);
        rock_ = maze_->GetMazeBaseGDO()->GetFallingRockAt(1, 1);
    }

    // Updates until the rock reaches a status; the number taken.
    int UpdatesUntil(int status)
    {
        int n = 0;
        do {
            maze_->GetMazeBaseGDO()->Update(kStep);
            ++n;
        } while (rock_->GetStatus() != status && n < 1000);
        return n;
    }

    Ref<GameMaze> maze_;
    Ref<FallingRock> rock_;
};

TEST_F(RockTest, RocksFallAfterFourSecondsHitOnceBlinkAndRepeat)
{
    ASSERT_NE(rock_, nullptr);
    EXPECT_EQ(maze_->GetMazeFloor()->GetTile(1, 1), MazeTileMap::TRAP2_FLOOR_TILE);
    EXPECT_FALSE(rock_->visible);
    for (int fall = 0; fall < 2; ++fall) {
        EXPECT_EQ(UpdatesUntil(FallingRock::kFalling), 250);   // 4000 ms of updates
        EXPECT_TRUE(rock_->visible);
        // The impact plays once, on the first update past step 4.
        int impactStep = -1;
        while (rock_->GetStatus() == FallingRock::kFalling) {
            const size_t before = sfx.size();
            maze_->GetMazeBaseGDO()->Update(kStep);
            if (sfx.size() > before) impactStep = rock_->GetSequenceStep();
        }
        EXPECT_EQ(impactStep, 5);
        EXPECT_EQ(SfxCount(kSfxRockImpact), fall + 1);
        EXPECT_EQ(hooks.quakes, std::vector<int>(static_cast<size_t>(fall + 1), kQuakeMs));
        // Landed: blinks with a 60 ms period for 1000 ms, then hides and waits.
        std::vector<bool> shown;
        while (rock_->GetStatus() == FallingRock::kLanded) {
            maze_->GetMazeBaseGDO()->Update(kStep);
            shown.push_back(rock_->visible);
        }
        EXPECT_EQ(shown.size(), 63u);
        EXPECT_NE(std::count(shown.begin(), shown.end(), true), 0);
        EXPECT_NE(std::count(shown.begin(), shown.end(), false), 0);
        EXPECT_FALSE(rock_->visible);
    }
}

TEST_F(RockTest, ARockCloseToTheGroundConfusesWalkersAgainAndAgain)
{
    auto w = Walker(maze_, 1, 1);
    w->player = 2;
    UpdatesUntil(FallingRock::kFalling);
    stage_.SendMoved(*w, *maze_);
    EXPECT_EQ(w->debuffSets, 0);   // high up: harmless
    while (!rock_->CloseToTheGround()) maze_->GetMazeBaseGDO()->Update(kStep);
    sfx.clear();   // the impact
    // Teleporting, digging and underground characters are never hit.
    for (int state : {kCharTeleporting, kCharDigAnimation, kCharUnderground}) {
        w->state = state;
        stage_.SendMoved(*w, *maze_);
    }
    EXPECT_EQ(w->debuffSets, 0);
    w->state = kCharWalking;
    stage_.SendMoved(*w, *maze_);
    stage_.SendMoved(*w, *maze_);
    // Each move while it falls restarts the 5000 ms.
    EXPECT_EQ((std::vector<int>{w->debuffSets, w->debuff, w->debuffMs}),
              (std::vector<int>{2, kDebuffConfused, kRockConfusionMs}));
    // Sound and message only for the first, on the player's channel, big.
    EXPECT_EQ(sfx, (std::vector<std::array<int, 2>>{{kSfxConfused, kSfxChannelPlayer2}}));
    EXPECT_EQ(hooks.labels, (std::vector<String>{U"CONFUSE"}));
    EXPECT_EQ(hooks.labelPlayers, (std::vector<int>{2}));
    EXPECT_EQ(hooks.labelBig, (std::vector<bool>{true}));
}

}  // namespace
}  // namespace zelka
