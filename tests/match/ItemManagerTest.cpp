#include "match/items/ItemManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "ItemTestSupport.h"
#include "MatchTestSupport.h"
#include "engine/collision/BasicBoxEngine.h"
#include "engine/media/StaticImage.h"
#include "engine/media/StringObject.h"
#include "match/items/ItemChestSprite.h"
#include "match/items/ItemStackSlot.h"
#include "match/items/ItemTable.h"
#include "match/maze/BlockTrap.h"

namespace zelka {
namespace {

using itemtest::FakeUser;
using matchtest::Corridor;
using matchtest::kStep;

// A chest for every fifth gem, worth 5; gems back after 1000 ms; a corner treasure of 1
// places none.
ItemRules Rules(bool race = false, int cornerTreasure = 1)
{
    ItemRules rules;
    rules.race = race;
    rules.cornerTreasure = cornerTreasure;
    rules.gemsInItems = 5;
    rules.itemSpawn = 5;
    rules.gemRespawnMs = 1000;
    return rules;
}

class ItemManagerTest : public matchtest::MazeFixture {
protected:
    void SetUp() override
    {
        MazeFixture::SetUp();
        device_.AddFakeImage("idol.png", 288, 48);
        device_.AddFakeImage("idol_light.png", 32, 48);
        PlayerData::ResetPlayerCounter();
        user_ = std::make_unique<FakeUser>(PlayerData::New());
        engine_ = BasicBoxEngine::New(400, 400, U"BOX");
        box_ = CollisionBox::New(anchor_, 0.0f, 0.0f, 20.0f, 20.0f, nullptr);
    }

    void TearDown() override
    {
        if (manager_) manager_->Deallocate();
        ItemTable::SetWeights(false);
        MazeFixture::TearDown();
    }

    ItemManager& Make(const ItemRules& rules)
    {
        manager_ = ItemManager::New(engine_, rules);
        manager_->goToStage = [this](int id) { stages_.push_back(id); };
        manager_->RegisterPlayer(*user_, box_);
        return *manager_;
    }

    // The player's box reports a contact with the item's box; returns the push left.
    Vector Touch(const Item& item, float overlapX, float overlapY)
    {
        CollisionData data;
        data.other = item.box;
        data.overlap.Set(overlapX, overlapY);
        data.push.Set(3.0f, -4.0f);
        EventManager::SendEvent(box_.get(), kEventSolidContact, &data);
        return data.push;
    }

    // A corridor of n cells and its maze.
    std::pair<Ref<ExtendedMaze>, Ref<GameMaze>> Room(int n)
    {
        auto cells = Corridor(n);
        return {cells, MakeMaze(*cells)};
    }

    Ref<Item> At(const GameMaze& maze, int c, int r)
    {
        return std::dynamic_pointer_cast<Item>(maze.GetMazeBaseGDO()->GetItemAtCell(c, r));
    }
    // The type of the item on a tile, kEmpty if there is none.
    static constexpr int kEmpty = -99;
    int TypeAt(const GameMaze& maze, int c, int r)
    {
        const Ref<Item> item = At(maze, c, r);
        return item ? item->type : kEmpty;
    }

    // Takes the item at (c, r) with a full overlap, with the player standing there.
    void Take(const GameMaze& maze, int c, int r)
    {
        user_->tileC = c;
        user_->tileR = r;
        const Ref<Item> item = At(maze, c, r);
        ASSERT_TRUE(item) << c << ", " << r;
        Touch(*item, 30.0f, 30.0f);
    }

    void Run(int ms)
    {
        for (int t = 0; t < ms; t += kStep) manager_->Update(kStep);
    }

    int LiveCount(const Item* item) const
    {
        const auto& live = manager_->GetLiveItems();
        return static_cast<int>(std::count_if(live.begin(), live.end(),
                                              [item](const Ref<Item>& i) { return i.get() == item; }));
    }

    std::unique_ptr<FakeUser> user_;
    Ref<BasicBoxEngine> engine_;
    Ref<Vector> anchor_ = std::make_shared<Vector>();
    Ref<CollisionBox> box_;
    Ref<ItemManager> manager_;
    std::vector<int> stages_;
};

TEST_F(ItemManagerTest, VersusStartsWithAGemOnEveryFloorTileAndCornerTreasures)
{
    auto cells = ExtendedMaze::New(3, 3);
    for (int i = 0; i < 8; ++i) cells->RemoveWall(i, i + 1 == 3 || i + 1 == 6 ? i + 3 : i + 1);
    auto maze = MakeMaze(*cells);
    int floor = 0;
    for (int r = 0; r < maze->GetRows(); ++r) {
        for (int c = 0; c < maze->GetCols(); ++c) floor += maze->IsWall(c, r) ? 0 : 1;
    }
    ItemManager& manager = Make(Rules(false, 3));
    manager.AddStartingItems(*maze, *cells, 0);
    // The replaced corner gems are neither on the map nor listed.
    EXPECT_EQ(static_cast<int>(manager.GetLiveItems().size()), floor);
    for (const auto& [c, r] : {std::pair{1, 1}, {5, 1}, {1, 5}, {5, 5}}) {
        EXPECT_EQ(TypeAt(*maze, c, r), kItemTreasure) << c << ", " << r;
    }
    EXPECT_EQ(TypeAt(*maze, 2, 1), kItemGem);
    EXPECT_EQ(At(*maze, 2, 1)->lifetime, -1);

    manager.Deallocate();
    auto plain = MakeMaze(*cells);
    Make(Rules()).AddStartingItems(*plain, *cells, 0);
    EXPECT_EQ(TypeAt(*plain, 1, 1), kItemGem);
}

TEST_F(ItemManagerTest, RaceStartsWithChestsOnItemSpotsAndTheIdolOnATrap)
{
    auto down = ExtendedMaze::New(4, 2);
    for (int i = 0; i < 3; ++i) down->RemoveWall(i, i + 1);
    down->RemoveWall(0, 4);
    down->RemoveWall(3, 7);
    down->SetCellFlag2(1, 0, kCellItemSpot);
    down->SetCellFlag2(2, 1, kCellItemSpot);
    auto maze = MakeMaze(*down);
    ItemManager& manager = Make(Rules(true));
    manager.AddStartingItems(*maze, *down, kTrackIdolOnRight);
    EXPECT_GE(TypeAt(*maze, 5, 3), 0);
    ASSERT_GE(TypeAt(*maze, 3, 1), 0);
    EXPECT_EQ(At(*maze, 3, 1)->lifetime, -1);      // race chests never expire
    EXPECT_NE(At(*maze, 3, 1)->type, kItemPickaxe);
    // The idol on the right at row 2, on a block trap that holds it, as the goal.
    const int idolCol = maze->GetCols() - 2;
    ASSERT_EQ(TypeAt(*maze, idolCol, 2), kItemIdol);
    const Ref<Item> idol = At(*maze, idolCol, 2);
    const Ref<BlockTrap> trap = maze->GetMazeBaseGDO()->GetTrapAt(idolCol, 2);
    ASSERT_TRUE(trap);
    EXPECT_EQ(trap->GetItem(), idol.get());
    EXPECT_EQ(idol->sprite->GetParent(), trap.get());
    EXPECT_EQ(std::pair(maze->GetCellDistInfo(idolCol, 2), maze->GetCellDistInfo(idolCol, 1)),
              std::pair(0, 1));
    // Its light on the wall layer, mirrored toward the right wall.
    const TileMap& walls = *maze->GetMazeWalls();
    Ref<GDO> light;
    for (int i = 0; i < walls.ChildCount(); ++i) {
        if (std::dynamic_pointer_cast<StaticImage>(walls.GetChild(i))) light = walls.GetChild(i);
    }
    ASSERT_TRUE(light);
    EXPECT_EQ((std::vector<float>{light->scale.x, light->position->x, light->position->y}),
              (std::vector<float>{-1.0f, maze->TileCenterX(idolCol) + 8.0f, maze->TileCenterY(2) - 6.0f}));
}

TEST_F(ItemManagerTest, SpawnRequestsThatCannotBeMetSayWhyAndKeepTheOldItem)
{
    auto [cells, maze] = Room(3);
    ItemManager& manager = Make(Rules());
    testing::internal::CaptureStdout();
    EXPECT_FALSE(manager.AddNewItem(kItemIceWand, *maze, 0, 0, false));   // a wall
    EXPECT_FALSE(manager.AddNewItem(kItemGem, *maze, 0, 0, false));       // silent for gems
    EXPECT_FALSE(manager.AddNewItem(kItemIceWand, *maze, 99, 1, false));  // off the map
    const Ref<Item> chest = manager.AddNewItem(kItemIceWand, *maze, 2, 1, false);
    ASSERT_TRUE(chest);
    EXPECT_FALSE(manager.AddNewItem(kItemPickaxe, *maze, 2, 1, false));
    EXPECT_FALSE(manager.AddNewItem(kItemGem, *maze, 2, 1, false));
    EXPECT_FALSE(manager.AddNewItem(12, *maze, 2, 1, true));              // bad type, replace
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out,
              "ERROR! ITEM SPAWN REQUESTED AT 0, 0 OF TYPE ICE WAND FAILED BECAUSE OF NO_TILE!\n"
              "ERROR! ITEM SPAWN REQUESTED AT 99, 1 OF TYPE ICE WAND FAILED BECAUSE OF NO_TILE!\n"
              "ERROR! ITEM SPAWN REQUESTED AT 2, 1 OF TYPE EPICKAXE FAILED BECAUSE ITEM ALREADY THERE!\n"
              "ERROR! ITEM SPAWN REQUESTED AT 2, 1 OF TYPE ??? FAILED BECAUSE INVALID TYPE!\n");
    // The bad replacement cost nothing.
    EXPECT_EQ(At(*maze, 2, 1), chest);
    EXPECT_EQ(chest->lifetime, 8000);
    EXPECT_EQ(SfxCount(kSfxChestPlaced), 1);
    // A valid replacement does take the tile.
    const Ref<Item> other = manager.AddNewItem(kItemPickaxe, *maze, 2, 1, true);
    EXPECT_TRUE(other && At(*maze, 2, 1) == other);
    EXPECT_EQ(LiveCount(chest.get()), 0);
}

// Half the item's box on one axis takes it, while walking and only while the item is
// active (not riding a raised trap).
TEST_F(ItemManagerTest, HalfTheItemsBoxOnOneAxisTakesIt)
{
    auto [cells, maze] = Room(3);
    ItemManager& manager = Make(Rules());
    manager.AddStartingItems(*maze, *cells, 0);
    const Ref<Item> gem = At(*maze, 2, 1);   // a 16 px box: half is 8
    for (int state : {kCharTeleporting, kCharDigAnimation, kCharUnderground}) {
        user_->state = state;
        Touch(*gem, 16.0f, 16.0f);
    }
    user_->state = kCharWalking;
    gem->active = false;
    Touch(*gem, 16.0f, 16.0f);
    EXPECT_EQ(gem->lifetime, -1);
    gem->active = true;
    const Vector push = Touch(*gem, 7.9f, 7.9f);
    EXPECT_EQ((std::vector<float>{push.x, push.y}), (std::vector<float>{0, 0}));   // never a block
    EXPECT_EQ(gem->lifetime, -1);                // a graze is not a take
    PlayerData& player = user_->GetPlayerData();
    EXPECT_EQ(player.score, 0);
    Touch(*gem, 1.0f, 8.0f);
    EXPECT_EQ(gem->lifetime, 0);
    EXPECT_FALSE(At(*maze, 2, 1));
    Touch(*gem, 16.0f, 16.0f);                // taken once only
    EXPECT_EQ((std::vector<int>{player.score, player.gems}), (std::vector<int>{1, 1}));
    const Ref<Item> beside = At(*maze, 3, 1);
    ASSERT_TRUE(beside);
    Touch(*beside, 8.0f, 1.0f);                  // half along x is enough too
    EXPECT_EQ(beside->lifetime, 0);
}

TEST_F(ItemManagerTest, ScoresAndEffectsOfEachKindInVersus)
{
    auto [cells, maze] = Room(4);
    ItemManager& manager = Make(Rules(false, 3));
    int column = 1;
    for (const int type : {kItemTreasure, kItemIceWand, kItemRoulette, kItemGem}) {
        manager.AddNewItem(type, *maze, column++, 1, false);
    }
    sfx.clear();
    PlayerData& player = user_->GetPlayerData();
    Take(*maze, 1, 1);
    EXPECT_EQ(std::pair(player.score, player.treasures), std::pair(3, 1));   // "corner treasure"
    EXPECT_EQ(SfxCount(kSfxTreasureTaken), 1);
    Take(*maze, 2, 1);
    EXPECT_EQ(std::pair(player.score, player.chests), std::pair(8, 1));      // + "gems in items"
    EXPECT_EQ(user_->Stack().GetItemType(0), kItemIceWand);
    EXPECT_EQ(user_->messages, (std::vector<String>{U"ICE WAND!"}));
    EXPECT_FALSE(user_->bigMessages);
    Take(*maze, 3, 1);                        // a roulette goes in as cycling sneakers
    EXPECT_EQ(user_->Stack().GetItemType(1), kItemTurboSneakers);
    EXPECT_TRUE(user_->Stack().IsDynamicItem(1));
    EXPECT_EQ(user_->Stack().GetSlot(1).GetDynamicTypeChangeInterval(), 300);
    EXPECT_EQ(user_->messages.back(), U"ROULETTE!!!!");
    Take(*maze, 4, 1);
    EXPECT_EQ(std::pair(player.score, player.gems), std::pair(14, 1));
    for (const auto& s : sfx) EXPECT_EQ(s[1], 1) << "sfx " << s[0];   // all on player 1's channel
    EXPECT_EQ(SfxCount(kSfxChestTaken), 2);
}

TEST_F(ItemManagerTest, InARaceOnlyTheIdolScoresAndItEndsTheRace)
{
    auto [cells, maze] = Room(3);
    ItemManager& manager = Make(Rules(true));
    manager.AddNewItem(kItemIceWand, *maze, 2, 1, false);
    manager.AddNewItem(kItemIdol, *maze, 4, 1, false);
    Take(*maze, 2, 1);
    EXPECT_EQ(std::pair(user_->GetPlayerData().score, user_->GetPlayerData().chests), std::pair(0, 1));
    EXPECT_TRUE(stages_.empty());
    sfx.clear();
    Take(*maze, 4, 1);
    EXPECT_EQ(user_->GetPlayerData().score, 1337);
    EXPECT_EQ(stages_, (std::vector<int>{4}));
    EXPECT_EQ(sfx, (std::vector<std::array<int, 2>>{{kSfxMatchOver, 3}}));
}

TEST_F(ItemManagerTest, EveryFifthGemSpawnsAChestThreeStepsAway)
{
    auto [cells, maze] = Room(5);                 // floor tiles 1 .. 9 of row 1
    ItemManager& manager = Make(Rules());
    manager.AddStartingItems(*maze, *cells, 0);
    Take(*maze, 4, 1);                        // frees the tile 3 steps right of (1, 1)
    user_->GetPlayerData().gems = 4;
    Take(*maze, 1, 1);                        // the 5th gem
    EXPECT_GE(TypeAt(*maze, 4, 1), 0);
    EXPECT_EQ(SfxCount(kSfxChestPlaced), 1);
    // With only a gem at distance 3, the chest replaces it.
    user_->GetPlayerData().gems = 9;
    Take(*maze, 5, 1);                        // 10th: distance 3 holds gems at (8, 1) and (2, 1)
    // One chest and one gem, nothing gone.
    const std::vector<int> types{TypeAt(*maze, 2, 1), TypeAt(*maze, 8, 1)};
    EXPECT_TRUE(std::min(types[0], types[1]) == kItemGem && std::max(types[0], types[1]) >= 0);
    EXPECT_EQ(SfxCount(kSfxChestPlaced), 2);
}

TEST_F(ItemManagerTest, NoRoomThreeStepsAwayPrintsTheErrorLine)
{
    auto [cells, maze] = Room(2);                 // floor tiles 1 .. 3: nothing 3 steps away
    ItemManager& manager = Make(Rules());
    manager.AddStartingItems(*maze, *cells, 0);
    user_->GetPlayerData().gems = 4;
    testing::internal::CaptureStdout();
    Take(*maze, 1, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERROR: Couldn't find a suitable position for a gem at a distance of 4 from 1, 1\n");
    EXPECT_EQ(SfxCount(kSfxChestPlaced), 0);
    EXPECT_EQ(manager.GetScan().GetCount(), 3);
}

TEST_F(ItemManagerTest, TakenItemsWithoutACollectAnimationVanishOnTheNextUpdate)
{
    auto [cells, maze] = Room(3);
    ItemManager& manager = Make(Rules());
    const Ref<Item> gem = manager.AddNewItem(kItemGem, *maze, 1, 1, false);
    const Ref<Item> chest = manager.AddNewItem(kItemIceWand, *maze, 2, 1, false);
    const Ref<Item> treasure = manager.AddNewItem(kItemTreasure, *maze, 3, 1, false);
    Take(*maze, 1, 1);
    Take(*maze, 2, 1);
    Take(*maze, 3, 1);
    manager.Update(kStep);
    EXPECT_EQ(LiveCount(gem.get()), 0);
    EXPECT_EQ(LiveCount(chest.get()), 0);
    EXPECT_EQ(gem->sprite->GetParent(), nullptr);
    // The treasure plays its 20 collect frames at 8 per second first.
    EXPECT_EQ(LiveCount(treasure.get()), 1);
    treasure->sprite->Update(2600);
    for (int n = 0; n < 20 && LiveCount(treasure.get()) == 1; ++n) {
        treasure->sprite->Update(125);
        manager.Update(kStep);
    }
    EXPECT_EQ(LiveCount(treasure.get()), 0);
    // Neither a treasure nor a versus chest comes back; the gem does.
    ASSERT_EQ(manager.GetRespawnQueue().size(), 1u);
    EXPECT_EQ(manager.GetRespawnQueue()[0].item, gem.get());
}

TEST_F(ItemManagerTest, GemRespawnWaitsWhileAnotherItemHoldsItsTile)
{
    auto [cells, maze] = Room(3);
    ItemManager& manager = Make(Rules());   // gems come back after 1000 ms
    manager.AddStartingItems(*maze, *cells, 0);
    const Ref<Item> gem = At(*maze, 3, 1);
    // A chest replaces the gem: the gem is queued, and listed nowhere.
    ASSERT_TRUE(manager.AddNewItem(kItemIceWand, *maze, 3, 1, true));
    EXPECT_EQ(LiveCount(gem.get()), 0);
    ASSERT_EQ(manager.GetRespawnQueue().size(), 1u);
    Run(3000);
    EXPECT_EQ(manager.GetRespawnQueue()[0].delay, 1000);   // stood still under the chest
    Take(*maze, 3, 1);
    manager.Update(kStep);                                  // the chest goes
    EXPECT_FALSE(At(*maze, 3, 1));
    Run(1000 + 2 * kStep);
    EXPECT_EQ(At(*maze, 3, 1), gem);
    EXPECT_EQ(LiveCount(gem.get()), 1);
    EXPECT_TRUE(manager.GetRespawnQueue().empty());
    EXPECT_EQ(gem->sprite->GetCurrentSequence(), U"item_respawn");
    EXPECT_TRUE(gem->active);
    // The sparkle-in hands over to the idle loop.
    StringObject name(U"item_respawn");
    EventManager::SendEvent(gem->sprite.get(), kEventSequenceEnded, &name);
    EXPECT_EQ(gem->sprite->GetCurrentSequence(), U"idle");
}

TEST_F(ItemManagerTest, VersusChestBlinksThenExpiresAfter8000Ms)
{
    auto [cells, maze] = Room(3);
    ItemManager& manager = Make(Rules());
    const Ref<Item> chest = manager.AddNewItem(kItemIceWand, *maze, 2, 1, false);
    Run(6000);                                 // 6000 ms of updates: 2000 left, still shown
    EXPECT_TRUE(chest->sprite->visible);
    int hidden = 0;
    int shown = 0;
    while (chest->lifetime > 0) {
        manager.Update(kStep);
        (chest->sprite->visible ? shown : hidden) += 1;
    }
    EXPECT_GT(hidden, 40);                     // about half of the last 2 s hidden
    EXPECT_GT(shown, 40);
    EXPECT_TRUE(At(*maze, 2, 1));              // expired, its idle animation still playing
    manager.Update(kStep);
    EXPECT_TRUE(At(*maze, 2, 1));
    for (int n = 0; n < 12; ++n) chest->sprite->Update(100);   // 11 frames at 10 per second
    manager.Update(kStep);
    EXPECT_FALSE(At(*maze, 2, 1));
    EXPECT_EQ(LiveCount(chest.get()), 0);
    EXPECT_TRUE(manager.GetRespawnQueue().empty());
}

TEST_F(ItemManagerTest, RaceChestComesBackAfter4000MsWithAFreshType)
{
    auto [cells, maze] = Room(3);
    ItemManager& manager = Make(Rules(true));
    const Ref<Item> chest = manager.AddNewItem(kItemIceWand, *maze, 2, 1, false);
    Take(*maze, 2, 1);
    random::Seed = 777;
    const int expected = ItemTable::RandomItemId();
    random::Seed = 777;
    manager.Update(kStep);                     // final removal draws the new type
    EXPECT_EQ(chest->type, expected);
    Run(3984);
    EXPECT_FALSE(At(*maze, 2, 1));
    Run(2 * kStep);
    EXPECT_EQ(At(*maze, 2, 1), chest);
    EXPECT_EQ(chest->lifetime, -1);
    EXPECT_TRUE(chest->type != kItemPickaxe && chest->type != kItemMightyShovel) << chest->type;
    chest->sprite->Update(kStep);              // the stripe follows the new type
    EXPECT_EQ(std::static_pointer_cast<ItemChestSprite>(chest->sprite)->GetShownType(), expected);
}

TEST_F(ItemManagerTest, TheBoxEngineTakesTwoGemsInOnePassWithoutPushing)
{
    auto [cells, maze] = Room(3);
    // Both gems and the player inside one collision cell: the engine walks one list.
    maze->GetMazeBaseGDO()->position->Set(200.0f, 200.0f);
    ItemManager& manager = Make(Rules());
    manager.AddStartingItems(*maze, *cells, 0);
    // A 40 px box between the gems of tiles 2 and 3 covers 12 px of each.
    const float x = 200.0f + (maze->TileCenterX(2) + maze->TileCenterX(3)) / 2.0f;
    const float y = 200.0f + maze->TileCenterY(1) - 4.0f;
    box_->halfWidth = 20.0f;
    box_->halfHeight = 20.0f;
    anchor_->Set(x, y);
    engine_->AddDynamic(box_);
    engine_->Update(kStep);
    EXPECT_EQ(user_->GetPlayerData().gems, 2);
    EXPECT_EQ((std::vector<float>{anchor_->x, anchor_->y}), (std::vector<float>{x, y}));
    manager.Update(kStep);
    engine_->Update(kStep);                    // both boxes are gone from the engine
    EXPECT_EQ(user_->GetPlayerData().gems, 2);
}

}  // namespace
}  // namespace zelka
