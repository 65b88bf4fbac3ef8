// Item timings on the largest versus maze (24 x 25 cells, 49 x 51 tiles, about 1,200 gems):
// one ItemManager update with every gem live, and the whole starting-item step of the match
// load (a gem sprite, box and tile record per floor tile, plus the corner treasures).
// Graphics go to the recording device: no upload, only the game's own work is timed.
#include <benchmark/benchmark.h>

#include "engine/collision/BasicBoxEngine.h"
#include "engine/core/EventManager.h"
#include "engine/core/Random.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "match/items/ItemManager.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/GameMaze.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

namespace zelka {
namespace {

constexpr int kMazeWidth = 24;    // cells: the largest versus maze
constexpr int kMazeHeight = 25;
constexpr int kStepMs = 16;
constexpr int kBoxCell = 400;     // px, the match's collision cells

ItemRules VersusRules()
{
    ItemRules rules;
    rules.cornerTreasure = 10;
    rules.gemsInItems = 5;
    rules.itemSpawn = 10;
    rules.gemRespawnMs = 10312;
    return rules;
}

// The fake sheets the maze and the items load, on a recording device.
class Scene {
public:
    Scene()
    {
        graphics::ResetContext();
        same::ResetDrawingState();
        EventManager::RemoveAllListeners();
        Texture::encryptionEnabled = false;
        graphics::SetGraphicsDevice(&device_);
        device_.AddFakeImage("mazeset.png", 20 * 32, 32);
        device_.AddFakeImage("floorset.png", 19 * 32, 32);
        device_.AddFakeImage("blocktrap.png", 64, 48);
        device_.AddFakeImage("wallbreak.png", 5 * 48, 48);
        device_.AddFakeImage("items.png", 256, 256);
        random::Seed = 1234;
        cells_ = ExtendedMaze::New(kMazeWidth, kMazeHeight);
        cells_->GenerateMaze();
    }
    ~Scene()
    {
        EventManager::RemoveAllListeners();
        graphics::ResetContext();
    }

    Ref<GameMaze> NewMaze() const { return GameMaze::New(*cells_, U"THE_MAZE", 0); }
    const ExtendedMaze& Cells() const { return *cells_; }

private:
    RecordingGraphicsDevice device_;
    Ref<ExtendedMaze> cells_;
};

void BM_ItemManagerUpdate(benchmark::State& state)
{
    Scene scene;
    const Ref<GameMaze> maze = scene.NewMaze();
    const auto manager = ItemManager::New(BasicBoxEngine::New(kBoxCell, kBoxCell, U"BOX"),
                                          VersusRules());
    manager->AddStartingItems(*maze, scene.Cells(), 0);
    for (auto _ : state) {
        manager->Update(kStepMs);
    }
    state.counters["live_items"] = static_cast<double>(manager->GetLiveItems().size());
    manager->Deallocate();
    maze->GetMazeBaseGDO()->Deallocate();
}
BENCHMARK(BM_ItemManagerUpdate)->Unit(benchmark::kMicrosecond);

void BM_StartingItems(benchmark::State& state)
{
    Scene scene;
    size_t items = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const Ref<GameMaze> maze = scene.NewMaze();
        const Ref<BasicBoxEngine> engine = BasicBoxEngine::New(kBoxCell, kBoxCell, U"BOX");
        state.ResumeTiming();
        const auto manager = ItemManager::New(engine, VersusRules());
        manager->AddStartingItems(*maze, scene.Cells(), 0);
        state.PauseTiming();
        items = manager->GetLiveItems().size();
        manager->Deallocate();
        maze->GetMazeBaseGDO()->Deallocate();
        EventManager::RemoveAllListeners();
        state.ResumeTiming();
    }
    state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_StartingItems)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelka
