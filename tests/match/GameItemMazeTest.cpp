#include "match/items/GameItemMaze.h"

#include <gtest/gtest.h>

#include "ItemTestSupport.h"
#include "MatchTestSupport.h"
#include "match/items/ItemEffects.h"

namespace zelka {
namespace {

class GameItemMazeTest : public matchtest::MazeFixture {
protected:
    void SetUp() override
    {
        MazeFixture::SetUp();
        device_.AddFakeImage("item_icons.png", 320, 32);   // the fake player's stack
    }
};

// Two cells joined, the right one a trap cell: 5 x 3 tiles, the trap on tile (3, 1).
Ref<ExtendedMaze> RoomWithTrap()
{
    auto cells = ExtendedMaze::New(2, 1);
    cells->RemoveWall(0, 1);
    cells->SetCellFlag2(1, 0, kCellTrap);
    return cells;
}

TEST_F(GameItemMazeTest, WallsTrapFloorsAndTheTrapSwitch)
{
    auto cells = RoomWithTrap();
    auto maze = MakeMaze(*cells);
    GameItemMaze view(*maze);
    EXPECT_TRUE(view.HasWallAt(0, 0));
    EXPECT_FALSE(view.HasWallAt(1, 1));
    EXPECT_FALSE(view.HasWallAt(-1, 1));     // off the map: nothing to be stuck in
    EXPECT_TRUE(view.IsTrapFloorAt(3, 1));
    EXPECT_FALSE(view.IsTrapFloorAt(1, 1));
    EXPECT_FLOAT_EQ(view.TileCenterX(2), maze->TileCenterX(2));
    EXPECT_FALSE(view.AreBlocksUp());
    view.ToggleBlockTraps();
    EXPECT_TRUE(view.AreBlocksUp());
    view.ToggleBlockTraps();
    EXPECT_FALSE(view.AreBlocksUp());
}

TEST_F(GameItemMazeTest, ResurfacingWaitsForTheRaisedTrapToSink)
{
    auto cells = RoomWithTrap();
    auto maze = MakeMaze(*cells);
    GameItemMaze view(*maze);
    PlayerData::ResetPlayerCounter();
    itemtest::FakeUser user(PlayerData::New());
    user.state = kCharUnderground;
    user.tileC = 3;
    user.tileR = 1;
    view.ToggleBlockTraps();
    ItemEffects::SafeResurface(user, view);
    EXPECT_EQ(user.state, kCharUnderground);
    view.ToggleBlockTraps();
    ItemEffects::SafeResurface(user, view);
    EXPECT_EQ(user.state, kCharDigAnimation);
    EXPECT_EQ(SfxCount(kSfxResurface), 1);
}

}  // namespace
}  // namespace zelka
