#include "match/ai/AILogic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>
#include <tuple>

#include "MatchTestSupport.h"
#include "MazeTestSupport.h"
#include "match/ai/AIConstants.h"
#include "match/character/Character.h"
#include "match/items/ItemConstants.h"
#include "match/items/ItemStack.h"
#include "match/items/Item.h"
#include "match/items/PlayerItemUser.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"

namespace zelka {
namespace {

using matchtest::kStep;
using matchtest::Corridor;

// A player record whose item use is recorded and, unless the real effects are asked for,
// a stand-in: a cycling roulette stops, the shovel digs, anything else just goes.
class ItemUsingStage : public PlayerStageData {
public:
    bool UseCurrentItem() override
    {
        const int slot = itemStack->GetCursorPos();
        if (slot < 0 || refuse) return false;
        if (real) {
            const int type = itemStack->GetItemType(slot);
            const bool done = UsePlayerItem(*this);
            if (done) used.push_back(type);
            return done;
        }
        if (itemStack->StopDynamicItem(slot)) {
            stops.push_back(slot);
            return true;
        }
        used.push_back(itemStack->GetItemType(slot));
        if (used.back() == kItemMightyShovel) character->Dig();
        itemStack->Remove(slot);
        return true;
    }
    std::vector<int> used;
    std::vector<int> stops;
    bool refuse = false;
    bool real = false;
};

using Draw = std::function<bool(float)>;
Draw Below(float perMille) { return [=](float r) { return r * 1000 < perMille; }; }
Draw AtLeast(float perMille) { return [=](float r) { return r * 1000 >= perMille; }; }

// The first seed whose next draws pass the given tests one by one.
uint32_t SeedWhere(std::initializer_list<Draw> wants)
{
    for (uint32_t seed = 1;; ++seed) {
        uint32_t s = seed;
        bool ok = true;
        for (const Draw& want : wants) ok = ok && want(mazetest::NextDraw(s));
        if (ok) return seed;
    }
}

class AILogicTest : public matchtest::MazeFixture {
protected:
    void SetUp() override
    {
        MazeFixture::SetUp();
        PlayerData::ResetPlayerCounter();
        player1_ = PlayerData::New();
        player2_ = PlayerData::New();
        saved_ = {GameData::player1, GameData::player2};
        GameData::player1 = player1_;   // the real item effects find the players here
        GameData::player2 = player2_;
        player1_->stageData = them_;
        player2_->stageData = me_;
    }
    void TearDown() override
    {
        for (auto* s : {me_.get(), them_.get()}) {
            if (s->character) s->character->Deallocate();
            if (s->itemStack) s->itemStack->Deallocate();
        }
        GameData::player1 = saved_[0];
        GameData::player2 = saved_[1];
        MazeFixture::TearDown();
    }

    // The AI (player 2) on `start`, facing its first exit; the opponent on `opponent`.
    void Build(const ExtendedMaze& cells, TilePos start, TilePos opponent = {1, 1})
    {
        if (me_->character) me_->character->Deallocate();
        if (them_->character) them_->character->Deallocate();
        maze_ = MakeMaze(cells);
        EventManager::RemoveAllListeners();
        Place(*me_, player2_.get(), start);
        Place(*them_, player1_.get(), opponent);
        ai_ = AILogic::New(me_.get(), them_.get());
        me_->character->SetDirection(maze_->GetFirstExitFromCell(start.c, start.r));
    }
    void Place(PlayerStageData& s, PlayerData* player, TilePos tile)
    {
        s.playerData = player;
        s.maze = maze_.get();
        s.character = Character::New(U"Player", player);
        s.character->position->Set(maze_->TileCenterX(tile.c), maze_->TileCenterY(tile.r));
        s.itemStack = ItemStack::New(*player);
        std::tie(s.tileC, s.tileR) = std::pair(tile.c, tile.r);
        EventManager::RegisterListener(maze_, s.character, kEventAnyId);
    }
    Ref<Item> Put(int c, int r, int type)
    {
        auto item = Item::New();
        item->type = type;
        maze_->GetMazeBaseGDO()->SetItemAtCell(c, r, item);
        return item;
    }
    static void Fill(ItemStack& stack, std::initializer_list<int> types)
    {
        for (int type : types) stack.Add(type, 0);
    }
    // Updates of the AI alone (its character holds still on its tile), or until it used an item.
    void Think(int updates, bool untilUsed = false)
    {
        for (int n = 0; n < updates && !(untilUsed && !me_->used.empty()); ++n) ai_->Update(kStep);
    }
    // One match update of the AI's player: control, character, then the move event.
    void Step()
    {
        ai_->Update(kStep);
        Character& ch = *me_->character;
        ch.Update(kStep);
        EventManager::SendEvent(&ch, kEventMoved, me_.get());
    }
    int Index(int c, int r) const { return c + r * maze_->GetCols(); }

    Ref<PlayerData> player1_;
    Ref<PlayerData> player2_;
    std::array<Ref<PlayerData>, 2> saved_;
    Ref<GameMaze> maze_;
    Ref<ItemUsingStage> me_ = std::make_shared<ItemUsingStage>();
    Ref<ItemUsingStage> them_ = std::make_shared<ItemUsingStage>();
    Ref<AILogic> ai_;
};

// Five cells in a row: a gem at the left end, a treasure at the right end, a trap on tile 5.
TEST_F(AILogicTest, HandCorridorSpreadsWorthPerStepFromEachSourceInTurn)
{
    auto cells = Corridor(5);
    cells->SetCellFlag2(2, 0, kCellTrap);
    Build(*cells, {3, 1});
    Put(1, 1, kItemGem);
    Put(9, 1, kItemTreasure);

    ai_->_RecomputeTarget(true, false);
    EXPECT_FALSE(ai_->IsRecomputePending());
    for (int c = 1; c <= 9; ++c) {
        const ItemInfo& info = ai_->GetItemInfo(c, 1);
        EXPECT_EQ(info.source, Index(9, 1)) << c;   // the treasure wins every tile,
        EXPECT_EQ(info.steps, 10 - c) << c;
        // ... the gem's own tile too, adding its worth on the way
        EXPECT_FLOAT_EQ(info.accumulated, c == 1 ? 101.0f : 100.0f) << c;
    }
    // Toward the treasure; none on the source and on the border.
    EXPECT_EQ((std::vector<int>{ai_->GetDirectionFromCell(3, 1), ai_->GetDirectionFromCell(9, 1),
                                ai_->GetDirectionFromCell(0, 1)}),
              (std::vector<int>{kDirRight, kDirNone, kDirNone}));
    EXPECT_FLOAT_EQ(ai_->GetApproxCellValue2(5, 1), 20.0f);   // 100 over 5 steps
    // Raised traps cut the corridor: the left part follows the gem, 1 / steps.
    ai_->_RecomputeTarget(true, true);
    EXPECT_EQ(ai_->GetItemInfo(5, 1).blocked, kTileBlockedTrap);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(ai_->GetItemInfo(c, 1).source, Index(1, 1)) << c;
        EXPECT_EQ(ai_->GetItemInfo(c, 1).steps, c) << c;
    }
    EXPECT_EQ(ai_->GetItemInfo(6, 1).steps, 4);
    EXPECT_EQ(std::pair(ai_->GetDirectionFromCell(3, 1), ai_->GetDirectionFromCell(5, 1)),
              std::pair(kDirLeft, kDirNone));   // none on the blocked tile
}

// Wall-breaking opens the walls to the spread; a taken item (lifetime 0) is worth nothing.
TEST_F(AILogicTest, WallBreakerPlansThroughWallsAndTakenItemsCountNothing)
{
    auto cells = ExtendedMaze::New(2, 2);
    cells->RemoveWall(0, 1);   // top row open; bottom cells closed off
    Build(*cells, {1, 1});
    Put(1, 3, kItemTreasure);
    Put(3, 1, kItemGem)->lifetime = 0;
    ai_->_RecomputeTarget(true, false);
    EXPECT_EQ(ai_->GetDirectionFromCell(1, 1), kDirNone);
    EXPECT_FLOAT_EQ(ai_->GetApproxCellValue2(3, 1), 0.0f);
    ai_->_RecomputeTarget(false, false);
    EXPECT_EQ(std::pair(ai_->GetDirectionFromCell(1, 1), ai_->GetItemInfo(1, 2).steps),
              std::pair(kDirDown, 2));
}

TEST_F(AILogicTest, WithoutItemsItStandsAndReplansEveryUpdate)
{
    Build(*Corridor(5), {5, 1});
    const int facing = me_->character->GetDirection();
    for (int n = 0; n < 20; ++n) {
        ai_->Update(kStep);
        EXPECT_TRUE(ai_->IsRecomputePending());
        EXPECT_EQ(ai_->GetLastDirection(), kDirNone);
    }
    EXPECT_EQ(me_->character->GetDirection(), facing);
    for (int c = 0; c < ai_->GetCols(); ++c) EXPECT_FLOAT_EQ(ai_->GetApproxCellValue2(c, 1), 0.0f);
    // A gem raises no re-plan of its own; the standing AI's next plan finds it anyway.
    Put(1, 1, kItemGem);
    ai_->Update(kStep);
    EXPECT_EQ(std::pair(ai_->GetLastDirection(), me_->character->GetDirection()),
              std::pair(kDirLeft, kDirLeft));
    EXPECT_FALSE(ai_->IsRecomputePending());
}

TEST_F(AILogicTest, ItemChangesOnItsSourceOrNonGemItemsAskForAReplan)
{
    Build(*Corridor(5), {5, 1});
    Put(1, 1, kItemGem);
    Put(9, 1, kItemGem);
    ai_->Update(kStep);
    ASSERT_FALSE(ai_->IsRecomputePending());
    const int source = ai_->GetItemInfo(5, 1).source;
    const int other = source == Index(1, 1) ? 9 : 1;
    Put(other, 1, kItemGem);   // a gem elsewhere: no
    EXPECT_FALSE(ai_->IsRecomputePending());
    Put(7, 1, kItemIceWand);   // a chest anywhere: yes
    EXPECT_TRUE(ai_->IsRecomputePending());
    ai_->Update(kStep);
    ASSERT_FALSE(ai_->IsRecomputePending());
    const int now = ai_->GetItemInfo(5, 1).source;
    maze_->GetMazeBaseGDO()->SetItemAtCell(now % maze_->GetCols(), 1, nullptr);
    EXPECT_TRUE(ai_->IsRecomputePending());
}

// With nothing to go for (-1), a successful pre-inversion draw passes right, which the
// confusion turns into left; decisions then come 500 ms apart (33 updates of 16 ms).
TEST_F(AILogicTest, ConfusedItInvertsAQuarterOfItsChoicesAndDecidesEvery500Ms)
{
    Build(*Corridor(5), {5, 1});
    ASSERT_EQ(me_->character->GetDirection(), kDirRight);
    me_->character->SetCurrentDebuff(kDebuffConfused, 5000);
    random::Seed = SeedWhere({AtLeast(750)});
    const uint32_t start = random::Seed;
    for (int n = 0; n < 32; ++n) {
        ai_->Update(kStep);
        ASSERT_EQ(random::Seed, start) << n;   // no decision yet: no draw
        EXPECT_TRUE(ai_->IsRecomputePending());
    }
    ai_->Update(kStep);
    EXPECT_EQ(random::Seed, mazetest::AdvanceSeed(start, 1));
    EXPECT_EQ(std::pair(ai_->GetLastDirection(), me_->character->GetDirection()),
              std::pair(kDirRight, kDirLeft));
    EXPECT_FALSE(ai_->IsRecomputePending());
    Think(32);
    EXPECT_EQ(random::Seed, mazetest::AdvanceSeed(start, 1));
    ai_->Update(kStep);
    EXPECT_EQ(random::Seed, mazetest::AdvanceSeed(start, 2));
}

// Only the pickaxe, turbo, ball and chain and ice wand draw, one each in slot order.
TEST_F(AILogicTest, ItemChoiceDrawsForTheChanceItemsInSlotOrder)
{
    Build(*Corridor(5), {5, 1}, {3, 1});
    Fill(*me_->itemStack, {kItemSqueakyHammer, kItemTurboSneakers, kItemPickaxe, kItemMightyShovel});
    // (seed, slot): turbo 100; hammer 50 = pickaxe 50, the first; the hammer alone.
    for (const auto& [seed, slot] : {std::pair{SeedWhere({Below(600)}), 1},
                                     {SeedWhere({AtLeast(600), Below(300)}), 0},
                                     {SeedWhere({AtLeast(600), AtLeast(300)}), 0}}) {
        random::Seed = seed;
        EXPECT_EQ(ai_->GetBestItemToUseInInventory(), slot) << seed;
        EXPECT_EQ(random::Seed, mazetest::AdvanceSeed(seed, 2));
    }
    them_->character->SetCurrentDebuff(kDebuffSlow, 5000);   // no hammer on a debuffed opponent
    random::Seed = SeedWhere({AtLeast(600), AtLeast(300)});
    EXPECT_EQ(ai_->GetBestItemToUseInInventory(), -1);
    // Against a turbo opponent the ball and chain outscores sure turbo.
    them_->character->SetCurrentDebuff(kBuffNone, 0);
    them_->character->SetCurrentBuff(kBuffTurbo, 5000);
    me_->itemStack->Remove(0);   // turbo, pickaxe, shovel, then the ball and chain
    me_->itemStack->Add(kItemBallAndChain, 0);
    random::Seed = SeedWhere({Below(600), AtLeast(300), Below(150)});
    EXPECT_EQ(ai_->GetBestItemToUseInInventory(), 3);
}

// The teleporter goes only when the opponent's tile is worth more than twice its own
// (the border counts 0); the hyper hand steals only what it wants at least as much as
// its own best item.
TEST_F(AILogicTest, TeleporterAndHyperHandRules)
{
    Build(*Corridor(5), {5, 1}, {8, 1});
    Put(9, 1, kItemTreasure);
    ai_->_RecomputeTarget(true, false);
    me_->itemStack->Add(kItemTeleporter, 0);
    EXPECT_EQ(ai_->GetBestItemToUseInInventory(), 0);    // 2 x 20 < 50
    me_->tileC = 6;
    EXPECT_EQ(ai_->GetBestItemToUseInInventory(), -1);   // 2 x 25 = 50: not more
    them_->tileC = 0;
    me_->tileC = 1;
    EXPECT_EQ(ai_->GetBestItemToUseInInventory(), -1);

    Build(*Corridor(5), {5, 1}, {3, 1});
    me_->itemStack->Add(kItemHyperHand, 0);
    EXPECT_EQ(ai_->GetBestItemToUseInInventory(), -1);   // nothing to steal
    them_->itemStack->Add(kItemTeleporter, 0);            // usefulness 50
    me_->itemStack->Add(kItemTrapSwitch, 0);              // 40: steal
    EXPECT_EQ(ai_->GetBestItemToUseInInventory(), 0);
    me_->itemStack->Add(kItemTeleporter, 0);              // 50 = 50: still (75)
    EXPECT_EQ(ai_->GetBestItemToUseInInventory(), 0);
    them_->itemStack->Add(kItemIceWand, 0);               // their newest counts: 70
    me_->itemStack->Add(kItemMightyShovel, 0);            // 75 > 70: keep the hand
    EXPECT_EQ(ai_->GetBestItemToUseInInventory(), -1);
}

// Item passes come every 13 updates (> 199 ms); the cursor walks one slot per pass, and
// the first use waits until 2000 ms have passed.
TEST_F(AILogicTest, ItemPassesStepTheCursorAndSpaceUsesTwoSecondsApart)
{
    Build(*Corridor(5), {5, 1}, {3, 1});
    Fill(*me_->itemStack, {kItemTeleporter, kItemTeleporter, kItemSqueakyHammer});
    ASSERT_EQ(me_->itemStack->GetCursorPos(), 0);
    std::vector<int> cursor;
    int usedAt = -1;
    for (int n = 1; n <= 200 && usedAt < 0; ++n) {
        ai_->Update(kStep);
        if (n % 13 == 0 && cursor.size() < 3) cursor.push_back(me_->itemStack->GetCursorPos());
        if (!me_->used.empty()) usedAt = n;
    }
    EXPECT_EQ(cursor, (std::vector<int>{0, 1, 2}));   // pass 1 chooses
    EXPECT_EQ(usedAt, 130);    // the first pass at or past 2000 ms
    EXPECT_EQ(me_->used, std::vector<int>{kItemSqueakyHammer});
    EXPECT_EQ(std::pair(ai_->GetChosenItem(), ai_->GetTimeSinceLastUse()), std::pair(-1, 0));
}

// A roulette still cycling in the chosen slot is stopped at the next pass; a refused use
// keeps the choice.
TEST_F(AILogicTest, RouletteStopsAtOnceAndRefusedUsesAreRetried)
{
    Build(*Corridor(5), {5, 1}, {3, 1});
    me_->itemStack->Add(kItemTurboSneakers, kRouletteIntervalMs);
    random::Seed = SeedWhere({Below(600)});
    Think(26);
    EXPECT_EQ(me_->stops, std::vector<int>{0});
    EXPECT_TRUE(me_->used.empty());

    me_->itemStack->Remove(0);
    me_->itemStack->Add(kItemSqueakyHammer, 0);
    me_->refuse = true;
    Think(13 * 12);
    EXPECT_EQ(ai_->GetChosenItem(), kItemSqueakyHammer);
    me_->refuse = false;
    Think(13);
    EXPECT_EQ(me_->used, std::vector<int>{kItemSqueakyHammer});
}

// The trap switch helps only when exactly one player is within 4 steps of a trap: raise
// them while only the opponent is near, lower them while only the AI is.
TEST_F(AILogicTest, TrapSwitchIsUsefulWhenOnlyOnePlayerIsNearTraps)
{
    auto cells = Corridor(9);
    cells->SetCellFlag2(0, 0, kCellTrap);   // tile (1, 1)
    Build(*cells, {13, 1}, {3, 1});
    EXPECT_TRUE(ai_->_AreBlockTrapsThisClose(5, 1, 4));
    EXPECT_FALSE(ai_->_AreBlockTrapsThisClose(6, 1, 4));
    EXPECT_FALSE(ai_->_AreBlockTrapsThisClose(1, 0, 4));   // a wall
    EXPECT_TRUE(ai_->IsTrapItemUseful(*them_));            // down, they are near
    maze_->GetMazeBaseGDO()->ActivateBlockTraps(true);
    EXPECT_FALSE(ai_->IsTrapItemUseful(*them_));
    std::swap(me_->tileC, them_->tileC);
    EXPECT_TRUE(ai_->IsTrapItemUseful(*them_));            // up, the AI is near
    them_->tileC = 5;
    EXPECT_FALSE(ai_->IsTrapItemUseful(*them_));           // both near
    // Chosen while useful, dropped unused when it no longer is by the time it may go.
    maze_->GetMazeBaseGDO()->ActivateBlockTraps(false);
    me_->tileC = 13;
    them_->tileC = 3;
    me_->itemStack->Add(kItemTrapSwitch, 0);
    Think(13);
    ASSERT_EQ(ai_->GetChosenItem(), kItemTrapSwitch);
    them_->tileC = 9;
    Think(13 * 9);
    EXPECT_EQ(ai_->GetChosenItem(), -1);
    EXPECT_TRUE(me_->used.empty());
}

class AILogicShovelTest : public AILogicTest {
protected:
    // A U of 4 x 2 cells: the treasure on cell (0, 0) is 14 steps round, 2 through the wall.
    void BuildU()
    {
        auto cells = ExtendedMaze::New(4, 2);
        for (int x = 0; x < 3; ++x) {
            cells->RemoveWall(x, x + 1);
            cells->RemoveWall(4 + x, 5 + x);
        }
        cells->RemoveWall(3, 7);
        Build(*cells, {1, 3}, {7, 1});
        Put(1, 1, kItemTreasure);
        me_->itemStack->Add(kItemMightyShovel, 0);
        me_->real = true;   // the shovel's own effect digs, and the effects bring it up
        ai_->_RecomputeTarget(true, false);
    }
};

TEST_F(AILogicShovelTest, TunnelsThroughTheWallAndResurfacesOnTheTarget)
{
    BuildU();
    EXPECT_EQ(ai_->GetBestShovelDirection(1, 3), kDirUp);
    EXPECT_EQ(ai_->CheckCellOverWall(1, 3, kDirRight), -1);   // open between
    EXPECT_EQ(ai_->GetBestShovelDirection(3, 3), kDirNone);   // 12 steps: saves only 10
    // Held on its tile until the use (the character is not updated).
    Think(200, true);
    ASSERT_EQ(me_->used, std::vector<int>{kItemMightyShovel});
    EXPECT_EQ((std::vector<int>{ai_->GetShovelTarget(), ai_->GetShovelTimer(),
                                me_->character->GetDirection()}),
              (std::vector<int>{Index(1, 1), 4000, kDirUp}));
    int n = 0;
    for (; n < 400 && !(me_->character->IsWalking() && me_->tileR == 1); ++n) {
        Step();
        EXPECT_EQ(me_->tileC, 1);
    }
    EXPECT_LT(n * kStep, 4000);   // on the target, not by the timer
}

// Held back underground (frozen: it cannot move), the trip ends by the 4 s timer where
// the character stands instead of going on for ever.
TEST_F(AILogicShovelTest, TripThatNeverArrivesEndsAfterFourSeconds)
{
    BuildU();
    Think(200, true);
    ASSERT_EQ(me_->used, std::vector<int>{kItemMightyShovel});
    me_->character->SetCurrentDebuff(kDebuffFrozen, 10000);
    int n = 0;
    for (; n < 400 && !me_->character->IsWalking(); ++n) Step();
    EXPECT_GE(n * kStep, 4000);
    EXPECT_LT(n * kStep, 5000);
    EXPECT_EQ(std::pair(me_->tileC, me_->tileR), std::pair(1, 3));
}

// Left alone for five minutes of match time on generated versus mazes, with a gem on
// every floor tile that comes back 20625 ms after it was taken (the stand-in pick-up takes
// the gem on the character's tile).
class AILogicMatchTest : public AILogicTest {
protected:
    static constexpr int kMatchMs = 5 * 60 * 1000;
    static constexpr int kGemRespawnMs = 20625;

    struct RunStats {
        int taken = 0;
        int longestGapMs = 0;        // between two takes while gems lay on the map
        int longestStandingMs = 0;   // not moving while gems lay on the map
        bool leftGrid = false;
    };

    RunStats Run()
    {
        RunStats stats;
        MazeTileMap& map = *maze_->GetMazeBaseGDO();
        std::deque<std::array<int, 3>> respawns;   // column, row, ms
        int onMap = 0;
        for (int r = 1; r < maze_->GetRows() - 1; ++r) {
            for (int c = 1; c < maze_->GetCols() - 1; ++c) {
                if (maze_->IsWall(c, r) || maze_->IsTrapFloor(c, r)) continue;
                Put(c, r, kItemGem);
                ++onMap;
            }
        }
        int lastTake = 0;
        int still = 0;
        Vector last = *me_->character->position;
        for (int t = 0; t < kMatchMs && !stats.leftGrid; t += kStep) {
            for (; !respawns.empty() && respawns.front()[2] <= t; respawns.pop_front(), ++onMap) {
                Put(respawns.front()[0], respawns.front()[1], kItemGem);
            }
            Step();
            const auto [c, r] = std::pair(me_->tileC, me_->tileR);
            stats.leftGrid = c < 1 || r < 1 || c > maze_->GetCols() - 2 || r > maze_->GetRows() - 2;
            if (map.GetItemAtCell(c, r)) {
                map.SetItemAtCell(c, r, nullptr);
                respawns.push_back({c, r, t + kGemRespawnMs});
                --onMap;
                ++stats.taken;
                lastTake = t;
            }
            const Vector& p = *me_->character->position;
            still = std::fabs(p.x - last.x) + std::fabs(p.y - last.y) < 1e-3f ? still + kStep : 0;
            last = p;
            lastTake = onMap > 0 ? lastTake : t;
            stats.longestStandingMs = std::max(stats.longestStandingMs, onMap > 0 ? still : 0);
            stats.longestGapMs = std::max(stats.longestGapMs, t - lastTake);
        }
        return stats;
    }

    // Every tunnel the shovel could dig ends inside the border ring.
    void ExpectShovelTargetsInside()
    {
        const int cols = maze_->GetCols();
        const int rows = maze_->GetRows();
        for (int i = 0; i < cols * rows; ++i) {
            for (int dir = 0; dir < kDirCount; ++dir) {
                const int t = ai_->CheckCellOverWall(i % cols, i / cols, dir);
                const bool inside = t % cols >= 1 && t % cols <= cols - 2 && t / cols >= 1 &&
                                    t / cols <= rows - 2;
                EXPECT_TRUE(t < 0 || inside) << "tile " << i << " dir " << dir;
            }
        }
    }
};

TEST_F(AILogicMatchTest, LeftAloneItCollectsGemsSteadilyOnEveryMazeSize)
{
    for (const auto& size : {std::pair{10, 9}, {16, 15}, {24, 25}}) {
        for (uint32_t seed : {7u, 1999u, 31337u, 424242u}) {
            auto cells = Versus(size.first, size.second, seed);
            Build(*cells, cells->VersusStartTile(2), cells->VersusStartTile(1));
            SCOPED_TRACE(testing::Message() << size.first << "x" << size.second << " seed " << seed);
            ExpectShovelTargetsInside();
            const RunStats stats = Run();
            EXPECT_FALSE(stats.leftGrid);
            EXPECT_LE(stats.longestStandingMs, 3000);   // "a few seconds"
            // Once its part of the maze is cleared the nearest gems can lie far off; the
            // longest walk between two takes seen over these seeds was 10.4 s.
            EXPECT_LE(stats.longestGapMs, 15000);
            // About one tile per 320 ms at 100 px/s: at least every other step takes a gem.
            EXPECT_GE(stats.taken, kMatchMs / 320 / 2);
        }
    }
}

}  // namespace
}  // namespace zelka
