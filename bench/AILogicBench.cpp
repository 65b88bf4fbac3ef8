// The computer player's planning on the biggest versus maze (24 x 25 cells, 49 x 51
// tiles) with a gem on every floor tile, as at the start of a match: one plan alone, and
// a whole AI update that re-plans every time (what a chest appearing on every update, or
// an AI with nothing to go for, costs).
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/support/FakeMatchImages.h"
#include "engine/core/EventManager.h"
#include "engine/core/Random.h"
#include "match/MatchEvents.h"
#include "match/PlayerStageData.h"
#include "match/ai/AILogic.h"
#include "match/character/Character.h"
#include "match/items/Item.h"
#include "match/items/ItemConstants.h"
#include "match/items/ItemStack.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/GameMaze.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "services/player/PlayerData.h"

namespace zelka {
namespace {

constexpr int kStepMs = 16;

Ref<Item> NewItem(int type)
{
    auto item = Item::New();
    item->type = type;
    return item;
}

// The maze, both players' records and player 2's AI, with gems everywhere.
struct Scene {
    RecordingGraphicsDevice device;
    Ref<ExtendedMaze> cells;
    Ref<GameMaze> maze;
    Ref<PlayerData> players[2];
    Ref<PlayerStageData> stages[2];
    Ref<AILogic> ai;
    int gems = 0;

    Scene()
    {
        graphics::ResetContext();
        AddFakeMatchImages(device);
        graphics::SetGraphicsDevice(&device);
        EventManager::RemoveAllListeners();
        random::Seed = 2026;
        cells = ExtendedMaze::New(24, 25);
        cells->GenerateMaze();
        maze = GameMaze::New(*cells, U"THE_MAZE", 0);
        PlayerData::ResetPlayerCounter();
        for (int p = 0; p < 2; ++p) {
            players[p] = PlayerData::New();
            auto s = std::make_shared<PlayerStageData>();
            s->playerData = players[p].get();
            s->maze = maze.get();
            s->character = Character::New(U"Player", players[p].get());
            s->itemStack = ItemStack::New(*players[p]);
            const TilePos start = cells->VersusStartTile(p + 1);
            s->character->position->Set(maze->TileCenterX(start.c), maze->TileCenterY(start.r));
            s->tileC = start.c;
            s->tileR = start.r;
            stages[p] = s;
        }
        for (int r = 1; r < maze->GetRows() - 1; ++r) {
            for (int c = 1; c < maze->GetCols() - 1; ++c) {
                if (!maze->IsWall(c, r) && !maze->IsTrapFloor(c, r)) {
                    maze->GetMazeBaseGDO()->SetItemAtCell(c, r, NewItem(kItemGem));
                    ++gems;
                }
            }
        }
        ai = AILogic::New(stages[1].get(), stages[0].get());
    }
};

void BM_RecomputeTargetFullOfGems(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.ai->_RecomputeTarget(true, false);
        benchmark::DoNotOptimize(scene.ai->GetItemInfo(1, 1).accumulated);
    }
    state.counters["gems"] = scene.gems;
}
BENCHMARK(BM_RecomputeTargetFullOfGems)->Unit(benchmark::kMicrosecond);

// A chest put down beside the AI on every update asks for a re-plan each time.
void BM_UpdateReplanningEveryUpdate(benchmark::State& state)
{
    Scene scene;
    MazeTileMap& map = *scene.maze->GetMazeBaseGDO();
    const TilePos start = scene.cells->VersusStartTile(2);
    Ref<MazeItem> chests[2] = {NewItem(kItemTurboSneakers), NewItem(kItemIceWand)};
    int next = 0;
    for (auto _ : state) {
        map.SetItemAtCell(start.c + 1, start.r, chests[next]);
        next = 1 - next;
        scene.ai->Update(kStepMs);
        benchmark::DoNotOptimize(scene.ai->GetLastDirection());
    }
}
BENCHMARK(BM_UpdateReplanningEveryUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelka
