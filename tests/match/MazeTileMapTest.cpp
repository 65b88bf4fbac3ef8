#include "match/maze/MazeTileMap.h"

#include <gtest/gtest.h>

#include "MatchTestSupport.h"
#include "match/maze/BlockTrap.h"
#include "match/maze/GemSprite.h"
#include "match/maze/MazeItem.h"
#include "services/player/PlayerData.h"

namespace zelka {
namespace {

using matchtest::EventCounter;
using matchtest::kStep;

class FakeItem : public MazeItem {
public:
    int GetLifetime() const override { return lifetime; }
    void SetActive(bool a) override { active = a; }
    int lifetime = -1;
    bool active = true;
};

class MazeTileMapTest : public matchtest::MazeFixture {
protected:
    void SetUp() override
    {
        MazeFixture::SetUp();
        maze_ = MakeMaze(*TrapRoom());
        map_ = maze_->GetMazeBaseGDO();
        counter_ = std::make_shared<EventCounter>();
        EventManager::RegisterListener(counter_, map_, kEventAnyId);
    }

    // 2 x 1 cells, the left one a trap cell: its tile (1, 1) carries a block trap.
    static Ref<ExtendedMaze> TrapRoom()
    {
        auto cells = matchtest::Corridor(2);
        cells->SetCellFlag2(0, 0, kCellTrap);
        return cells;
    }

    Ref<GameMaze> maze_;
    Ref<MazeTileMap> map_;
    Ref<EventCounter> counter_;
};

TEST_F(MazeTileMapTest, ItemChangesAnnounceTheirTile)
{
    auto a = std::make_shared<FakeItem>();
    auto b = std::make_shared<FakeItem>();
    const auto last = [this] {
        return std::pair(map_->GetLastChangedItem().column, map_->GetLastChangedItem().row);
    };
    map_->SetItemAtCell(3, 1, a);           // onto an empty tile: once
    EXPECT_EQ(counter_->Count(kEventItemChanged), 1);
    EXPECT_EQ(last(), std::pair(3, 1));
    map_->SetItemAtCell(3, 1, b);           // a replacement: removal, then placement
    EXPECT_EQ(counter_->Count(kEventItemChanged), 3);
    EXPECT_EQ(map_->GetItemAtCell(3, 1), b);
    map_->SetItemAtCell(3, 1, nullptr);     // cleared: once
    map_->SetItemAtCell(2, 1, nullptr);     // cleared while empty: still once
    EXPECT_EQ(counter_->Count(kEventItemChanged), 5);
    EXPECT_EQ(last(), std::pair(2, 1));
    map_->SetItemAtCell(5, 1, a);           // outside the grid: nothing
    map_->SetItemAtCell(-1, 0, a);
    EXPECT_EQ(counter_->Count(kEventItemChanged), 5);
    EXPECT_EQ(map_->GetItemAtCell(5, 1), nullptr);
    for (Object* source : counter_->sources) EXPECT_EQ(source, map_.get());
}

TEST_F(MazeTileMapTest, TrapsStayUpFiveSecondsAndToggleLowersThem)
{
    ASSERT_NE(map_->GetTrapAt(1, 1), nullptr);
    EXPECT_EQ(map_->GetTrapAt(3, 1), nullptr);
    EXPECT_EQ(maze_->GetMazeFloor()->GetTile(1, 1), MazeTileMap::TRAP_FLOOR_TILE);
    maze_->ToggleBlockTraps();
    EXPECT_TRUE(map_->AreBlocksUp());
    EXPECT_EQ(counter_->Count(kEventTrapsToggled), 1);
    for (int t = 0; t < 2000; t += kStep) map_->Update(kStep);
    map_->ActivateBlockTraps(true);          // a raise restarts the 5000 ms
    EXPECT_EQ(map_->GetTrapTimer(), kTrapRaisedMs);
    int updates = 0;
    while (map_->AreBlocksUp() && updates < 1000) {
        map_->Update(kStep);
        ++updates;
    }
    EXPECT_EQ(updates, 313);                 // 5000 / 16, the first update below 1 ms
    EXPECT_EQ(counter_->Count(kEventTrapsToggled), 3);
    map_->Update(kStep);                     // down stays down: no further event
    EXPECT_EQ(counter_->Count(kEventTrapsToggled), 3);
    maze_->ToggleBlockTraps();
    maze_->ToggleBlockTraps();               // while up: lowers at once
    EXPECT_FALSE(map_->AreBlocksUp());
    EXPECT_EQ(counter_->Count(kEventTrapsToggled), 5);
}

TEST_F(MazeTileMapTest, AnItemOnARaisedTrapRidesUpAndCannotBeTaken)
{
    auto trap = map_->GetTrapAt(1, 1);
    FakeItem item;
    auto itemSprite = GDO::New();
    trap->AddChild(itemSprite);
    trap->SetItem(&item);
    map_->ActivateBlockTraps(true);
    for (int n = 0; n < 20; ++n) map_->Update(kStep);
    EXPECT_EQ(trap->GetCurrentFrame(), 1);
    EXPECT_EQ(std::pair(item.active, itemSprite->position->y), std::pair(false, -16.0f));
    map_->ActivateBlockTraps(false);
    for (int n = 0; n < 20; ++n) map_->Update(kStep);
    EXPECT_EQ(std::pair(item.active, itemSprite->position->y), std::pair(true, 0.0f));
    // A taken item is left alone.
    item.lifetime = 0;
    item.active = false;
    map_->Update(kStep);
    EXPECT_FALSE(item.active);
}

TEST_F(MazeTileMapTest, ElementsSortByLowerEdgeAndEqualOnesKeepTheirOrder)
{
    const Ref<TileMap>& walls = map_->GetWalls();
    while (walls->ChildCount() > 0) walls->RemoveChild(0);
    std::vector<Ref<GDO>> nodes;
    for (float y : {30.0f, 10.0f, 10.0f, -5.0f, 10.0f}) {
        nodes.push_back(GDO::New());
        nodes.back()->position->y = y;
        walls->AddChild(nodes.back());
    }
    for (int n = 0; n < 3; ++n) {
        map_->Update(kStep);
        std::vector<Ref<GDO>> order;
        for (int i = 0; i < walls->ChildCount(); ++i) order.push_back(walls->GetChild(i));
        // The three at y 10 in their first order.
        EXPECT_EQ(order, (std::vector<Ref<GDO>>{nodes[3], nodes[1], nodes[2], nodes[4], nodes[0]})) << n;
    }
}

TEST_F(MazeTileMapTest, LightAroundBothPlayersAddsUpAndIsClamped)
{
    auto dark = MakeMaze(*ExtendedMaze::New(6, 6), kWorldDarkness);
    auto map = dark->GetMazeBaseGDO();
    ASSERT_NE(map->GetLight(), nullptr);
    auto saved1 = GameData::player1;
    auto saved2 = GameData::player2;
    GameData::player1 = PlayerData::New();
    GameData::player2 = PlayerData::New();
    for (const auto& p : {GameData::player1, GameData::player2}) {
        p->stageData = std::make_shared<PlayerStageData>();
        p->stageData->tileC = 5;
        p->stageData->tileR = 5;
    }
    map->Update(kStep);   // radius ceil(5 - a little) = 5
    const TileMap& light = *map->GetLight();
    const auto at = [&light](std::initializer_list<std::pair<int, int>> tiles) {
        std::vector<int> values;
        for (const auto& [c, r] : tiles) values.push_back(light.GetTile(c, r));
        return values;
    };
    // 5 + 5 clamped to the 6 light tiles; (5 - 3) twice; nothing at distance 5.
    EXPECT_EQ(at({{5, 5}, {8, 5}, {8, 9}, {0, 0}}), (std::vector<int>{5, 4, 0, 0}));
    GameData::player2->stageData->tileC = 11;
    map->Update(kStep);
    // (8, 5) has 2 from player 1 and 2 from player 2 (distance 3).
    EXPECT_EQ(at({{5, 5}, {8, 5}, {2, 5}}), (std::vector<int>{5, 4, 2}));
    GameData::player1 = saved1;
    GameData::player2 = saved2;
}

TEST_F(MazeTileMapTest, GemsSparkleOutOfStep)
{
    auto texture = Texture::GetTexture(U"items.png");
    GemSprite::_gemCounter = 0;
    std::vector<int> steps;
    for (int n = 0; n < 5; ++n) {
        auto gem = GemSprite::New(texture);
        gem->DefineSequence(U"idle", 0, 3, true);
        gem->DefineSequence(U"item_respawn", 34, 39, false);
        gem->PlaySequence(U"item_respawn");
        EXPECT_EQ(gem->GetSequenceStep(), 0);   // only "idle" is offset
        gem->PlaySequence(U"idle");
        steps.push_back(gem->GetSequenceStep());
        gem->SetSequenceStep(0);
        gem->PlaySequence(U"idle");              // already playing: not moved again
        EXPECT_EQ(gem->GetSequenceStep(), 0);
    }
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 0}));
    texture->Deallocate();
}

}  // namespace
}  // namespace zelka
