#include "match/character/ManualLogic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <queue>
#include <vector>

#include "MatchTestSupport.h"
#include "match/character/Character.h"
#include "match/items/ItemStack.h"
#include "match/items/ItemStackSlot.h"
#include "match/maze/MazeTileMap.h"
#include "platform/input/InputDevice.h"
#include "platform/input/KeyCodes.h"
#include "services/input/InputKeyboard.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"

namespace zelka {
namespace {

using matchtest::kStep;

// The player's record with the item use counted instead of applied.
class CountingStage : public PlayerStageData {
public:
    bool UseCurrentItem() override
    {
        ++uses;
        return succeed;
    }
    int uses = 0;
    bool succeed = false;
};

class ManualLogicTest : public matchtest::MazeFixture {
protected:
    void SetUp() override
    {
        MazeFixture::SetUp();
        input::SetInputDevice(keys_);
        PlayerData::ResetPlayerCounter();
        player_ = PlayerData::New();
        player_->character = CharProfile::New(U"mira", U"MIRA", 0);
        player_->SetInputHardware(InputKeyboard::New());
        player_->ResetCurrentInputMapping(false);   // arrows, SPACE uses, CTRL next item
        stage_->playerData = player_.get();
        stage_->collisionBox = CollisionBox::New(stage_->collisionAnchor, 0, 0, 32, 32, nullptr);
        stage_->character = Character::New(U"Player1", player_.get());
        stage_->itemStack = ItemStack::New(*player_);
        logic_ = ManualLogic::New(stage_.get());
    }
    void TearDown() override
    {
        stage_->character->Deallocate();
        stage_->itemStack->Deallocate();
        input::SetInputDevice(nullptr);
        MazeFixture::TearDown();
    }

    // One match update for this player: control, character, then the move event.
    void Update()
    {
        logic_->Update(kStep);
        Character& ch = *stage_->character;
        ch.Update(kStep);
        stage_->collisionAnchor->Set(ch.position->x, ch.position->y);
        EventManager::SendEvent(&ch, kEventMoved, stage_.get());
        keys_->EndUpdate();
    }
    void Press(int key) { keys_->KeyEvent(kEventKeyDown, key); }
    void Release(int key) { keys_->KeyEvent(kEventKeyUp, key); }
    void Tap(int key)
    {
        Press(key);
        Update();
        Release(key);
    }
    // Puts the character on a tile centre of the maze, facing its first exit.
    void Commit(const Ref<GameMaze>& maze, TilePos tile)
    {
        stage_->maze = maze.get();
        Character& ch = *stage_->character;
        ch.position->Set(maze->TileCenterX(tile.c), maze->TileCenterY(tile.r));
        EventManager::RegisterListener(maze, stage_->character, kEventAnyId);
        ch.SetDirection(maze->GetFirstExitFromCell(tile.c, tile.r));
        stage_->tileC = tile.c;
        stage_->tileR = tile.r;
    }

    // Holds the arrow for `dir` alone.
    void HoldOnly(int dir)
    {
        for (const int key : kArrows) Release(key);
        if (dir != kDirNone) Press(kArrows[static_cast<size_t>(dir)]);
    }
    // The direction of one tile's step from `from` to `to`.
    static int StepDir(TilePos from, TilePos to)
    {
        for (int d = 0; d < kDirCount; ++d) {
            if (from.c + kDirStepC[d] == to.c && from.r + kDirStepR[d] == to.r) return d;
        }
        return kDirNone;
    }
    // Steers along `path` (tiles, one step apart) by holding the arrow of the next step,
    // until the character stands on the last tile's centre; the updates it took, or -1 if
    // it left the path or took longer than `most`.
    int Follow(const GameMaze& maze, const std::vector<TilePos>& path, int most)
    {
        const Character& ch = *stage_->character;
        size_t at = 0;
        for (int n = 0; n < most; ++n) {
            const TilePos here{stage_->tileC, stage_->tileR};
            if (at + 1 < path.size() && here.c == path[at + 1].c && here.r == path[at + 1].r) ++at;
            if (here.c != path[at].c || here.r != path[at].r) return -1;
            const bool last = at + 1 == path.size();
            if (last && std::fabs(ch.position->x - maze.TileCenterX(here.c)) < 4.0f &&
                std::fabs(ch.position->y - maze.TileCenterY(here.r)) < 4.0f) {
                return n;
            }
            HoldOnly(last ? kDirNone : StepDir(path[at], path[at + 1]));
            Update();
        }
        return -1;
    }

    // Arrow keys by direction (right, left, up, down).
    static constexpr std::array<int, kDirCount> kArrows = {kKeyRight, kKeyLeft, kKeyUp, kKeyDown};

    Ref<InputDevice> keys_ = std::make_shared<InputDevice>();
    Ref<PlayerData> player_;
    Ref<CountingStage> stage_ = std::make_shared<CountingStage>();
    Ref<ManualLogic> logic_;
};

TEST_F(ManualLogicTest, FreezeMashCountsOnePressPerLockout)
{
    Character& ch = *stage_->character;
    ch.SetCurrentDebuff(kDebuffFrozen, 5000);
    int counted = 0;
    int lastTimer = ch.GetCurrentDeBuffTimer();
    for (int n = 0; n < 40; ++n) {
        Tap(n % 2 == 0 ? kKeySpace : kKeyLeft);   // any key of the mapping
        const int timer = ch.GetCurrentDeBuffTimer();
        // Each update takes 16 ms; a counted press takes 500 more.
        if (lastTimer - timer > kStep) {
            EXPECT_EQ(lastTimer - timer, 500 + kStep);
            ++counted;
        }
        lastTimer = timer;
    }
    // 640 ms of presses: at 0, then after each 300 ms lockout (19 updates) runs out.
    EXPECT_EQ(counted, 3);
    EXPECT_EQ(SfxCount(27), 3);
    for (const auto& s : sfx) EXPECT_EQ(s[1], kSfxChannelPlayer1);
    EXPECT_EQ(hooks.faces, (std::vector<std::vector<int>>(3, {1, 300, 1})));
    EXPECT_EQ(stage_->uses, 0);   // a frozen player's keys only mash
    // Once the lockout is over, holding a key is one press.
    for (int n = 0; n < 20; ++n) Update();
    Press(kKeySpace);
    for (int n = 0; n < 40; ++n) Update();
    EXPECT_EQ(SfxCount(27), 4);
}

TEST_F(ManualLogicTest, NextItemAndUseWithTheFailedUseSignal)
{
    ItemStack& stack = *stage_->itemStack;
    Tap(kKeySpace);                       // empty stack: the use is tried, no signal
    EXPECT_EQ(stage_->uses, 1);
    EXPECT_EQ(SfxCount(13), 0);
    stack.Add(0, 0);
    stack.Add(4, 0);
    Tap(kKeyControl);
    EXPECT_EQ(std::pair(stack.GetCursorPos(), stage_->uses), std::pair(1, 1));
    Tap(kKeySpace);                       // fails: sound 13 and the slot shakes
    EXPECT_EQ(std::pair(stage_->uses, SfxCount(13)), std::pair(2, 1));
    EXPECT_GT(stack.GetSlot(stack.GetCursorPos()).GetShakeTime(), 0);
    stage_->character->Dig();             // a digger's use means resurfacing: no signal
    Tap(kKeySpace);
    EXPECT_EQ(SfxCount(13), 1);
    stage_->succeed = true;
    Tap(kKeySpace);
    EXPECT_EQ(std::pair(stage_->uses, SfxCount(13)), std::pair(4, 1));
}

TEST_F(ManualLogicTest, TurnsArePolledAfterEightyMsAndTakenWhenAllowed)
{
    auto cells = ExtendedMaze::New(3, 3);
    for (int i : {1, 3, 5, 7}) cells->RemoveWall(4, i);   // a cross around the centre cell
    auto maze = MakeMaze(*cells);
    Commit(maze, {3, 3});
    Character& ch = *stage_->character;
    ASSERT_EQ(ch.GetDirection(), kDirRight);
    ch.position->Set(maze->TileCenterX(3), maze->TileCenterY(3));
    // Left and up held together: left comes first in the poll order.
    Press(kKeyLeft);
    Press(kKeyUp);
    for (int n = 0; n < 4; ++n) logic_->Update(kStep);   // 64 ms: not yet polled
    EXPECT_EQ(ch.GetDirection(), kDirRight);
    logic_->Update(kStep);                               // 80 ms
    EXPECT_EQ(std::pair(ch.GetDirection(), logic_->GetTimeSinceLastTurn()), std::pair(kDirLeft, 0));
    // Out of the window no turn happens and the poll time keeps growing.
    ch.position->x -= 6.0f;
    for (int n = 0; n < 10; ++n) logic_->Update(kStep);
    EXPECT_EQ(std::pair(ch.GetDirection(), logic_->GetTimeSinceLastTurn()), std::pair(kDirLeft, 160));
    ch.position->x += 6.0f;
    logic_->Update(kStep);                               // taken at once once allowed
    EXPECT_EQ(ch.GetDirection(), kDirUp);
    Release(kKeyLeft);
    Release(kKeyUp);
    // Confused: holding right asks for (and turns) left.
    ch.SetCurrentDebuff(kDebuffConfused, 5000);
    Press(kKeyRight);
    for (int n = 0; n < 6; ++n) logic_->Update(kStep);
    EXPECT_EQ(ch.GetDirection(), kDirLeft);
}

TEST_F(ManualLogicTest, RandomKeysNeverTurnOutsideTheWindowNorEnterAWall)
{
    auto cells = Versus(16, 15, 31337);
    auto maze = MakeMaze(*cells);
    Commit(maze, cells->VersusStartTile(1));
    Character& ch = *stage_->character;
    const int arrows[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown};
    uint32_t seed = 99;
    int turns = 0;
    std::vector<char> visited(static_cast<size_t>(maze->GetCols() * maze->GetRows()), 0);
    for (int n = 0; n < 6000; ++n) {
        // A random arrow goes down or up each update.
        const uint32_t r = (seed = seed * 1103515245u + 12345u) >> 16;
        keys_->KeyEvent(r % 3 == 0 ? kEventKeyUp : kEventKeyDown, arrows[(r / 3) % 4]);
        const Vector before = *ch.position;
        const int dir = ch.GetDirection();
        const int c = stage_->tileC;
        const int row = stage_->tileR;
        Update();
        if (ch.GetDirection() != dir) {
            ++turns;
            ASSERT_LT(std::fabs(before.x - maze->TileCenterX(c)), 4.0f) << n;
            ASSERT_LT(std::fabs(before.y - maze->TileCenterY(row)), 4.0f) << n;
        }
        const int tc = maze->TileColAt(ch.position->x);
        const int tr = maze->TileRowAt(ch.position->y);
        ASSERT_FALSE(maze->IsWall(tc, tr)) << n;
        // The body never reaches into a wall tile on either axis.
        for (int d = 0; d < kDirCount; ++d) {
            const int nc = tc + kDirStepC[d];
            const int nr = tr + kDirStepR[d];
            if (!maze->IsWall(nc, nr)) continue;
            const float gap = d < 2 ? std::fabs(ch.position->x - maze->TileCenterX(nc))
                                    : std::fabs(ch.position->y - maze->TileCenterY(nr));
            ASSERT_GE(gap, 32.0f - 1e-3f) << n;
        }
        visited[static_cast<size_t>(tc + tr * maze->GetCols())] = 1;
    }
    EXPECT_GT(turns, 50);
    EXPECT_GT(std::count(visited.begin(), visited.end(), 1), 10);
}

// On a generated maze the keys steer the character, through its turn and move events, from
// its start tile along the corridors into a dead end and all the way back.
TEST_F(ManualLogicTest, ArrowsWalkFromTheStartIntoADeadEndAndBack)
{
    auto cells = Versus(16, 15, 31337);
    auto maze = MakeMaze(*cells);
    const TilePos start = cells->VersusStartTile(1);
    Commit(maze, start);
    // Breadth first over the floor from the start: the first dead end at least 12 steps out.
    const int cols = maze->GetCols();
    const auto index = [cols](TilePos t) { return static_cast<size_t>(t.c + t.r * cols); };
    std::vector<int> from(static_cast<size_t>(cols * maze->GetRows()), -1);
    std::vector<int> steps(from.size(), -1);
    std::queue<TilePos> open;
    open.push(start);
    steps[index(start)] = 0;
    TilePos deadEnd{-1, -1};
    while (!open.empty() && deadEnd.c < 0) {
        const TilePos t = open.front();
        open.pop();
        int exits = 0;
        for (int d = 0; d < kDirCount; ++d) {
            const TilePos n{t.c + kDirStepC[d], t.r + kDirStepR[d]};
            if (maze->IsWall(n.c, n.r)) continue;
            ++exits;
            if (steps[index(n)] >= 0) continue;
            steps[index(n)] = steps[index(t)] + 1;
            from[index(n)] = static_cast<int>(index(t));
            open.push(n);
        }
        if (exits == 1 && steps[index(t)] >= 12) deadEnd = t;
    }
    ASSERT_GE(deadEnd.c, 0);
    std::vector<TilePos> there{deadEnd};
    while (from[index(there.back())] >= 0) {
        const int i = from[index(there.back())];
        there.push_back({i % cols, i / cols});
    }
    std::reverse(there.begin(), there.end());
    std::vector<TilePos> back(there.rbegin(), there.rend());
    int turns = 0;
    for (size_t i = 2; i < there.size(); ++i) {
        turns += StepDir(there[i - 2], there[i - 1]) != StepDir(there[i - 1], there[i]) ? 1 : 0;
    }
    ASSERT_GT(turns, 0);   // the way out bends at least once

    EXPECT_GT(Follow(*maze, there, 3000), 0);
    EXPECT_EQ(std::pair(stage_->tileC, stage_->tileR), std::pair(deadEnd.c, deadEnd.r));
    EXPECT_GT(Follow(*maze, back, 3000), 0);
    EXPECT_EQ(std::pair(stage_->tileC, stage_->tileR), std::pair(start.c, start.r));
}

// Raised block traps are walls for a walker: it stops with its body at the edge of the trap
// tile, and walks on over it once the blocks are down.
TEST_F(ManualLogicTest, RaisedBlockTrapStopsAWalkerAtTheTileEdgeUntilLowered)
{
    auto cells = matchtest::Corridor(3);
    cells->SetCellFlag2(2, 0, kCellTrap);   // tile (5, 1)
    auto maze = MakeMaze(*cells);
    MazeTileMap& map = *maze->GetMazeBaseGDO();
    ASSERT_TRUE(maze->IsTrapFloor(5, 1));
    Commit(maze, {1, 1});
    Character& ch = *stage_->character;
    ASSERT_EQ(ch.GetDirection(), kDirRight);
    map.ActivateBlockTraps(true);
    const float edge = maze->TileCenterX(5) - 16.0f;   // the trap tile's left edge
    float furthest = ch.position->x;
    for (int n = 0; n < 300; ++n) {
        Update();
        furthest = std::max(furthest, ch.position->x);
    }
    EXPECT_LE(furthest + 16.0f, edge + 0.5f);   // the body never reaches onto the trap
    EXPECT_NEAR(ch.position->x, maze->TileCenterX(4), 4.0f);   // stopped, not short of it
    EXPECT_EQ(stage_->tileC, 4);
    map.ActivateBlockTraps(false);
    for (int n = 0; n < 300 && stage_->tileC != 5; ++n) Update();
    EXPECT_EQ(stage_->tileC, 5);
}

}  // namespace
}  // namespace zelka
