// The maze's per-update and per-frame costs.
// - MazeTileMap::Update on a 24 x 25 cell maze (49 x 51 tiles) with a gem on every free tile
//   (about 1,200 animated sprites on the wall layer) in a dark world: sprites, the sort,
//   the light reset and both players' light.
// - TileMap::Draw of the floor and wall layers through the real GL device at 1280 x 720
//   (run under xvfb-run -a): ms per frame and draw calls per frame.
#include <benchmark/benchmark.h>


#include <memory>
#include <vector>

#include "bench/support/BenchGLWindow.h"
#include "engine/core/Random.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "match/PlayerStageData.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/GameMaze.h"
#include "match/maze/GemSprite.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameWorld.h"

namespace zelka {
namespace {

constexpr int kMazeW = 24;   // cells
constexpr int kMazeH = 25;
constexpr int kStepMs = 16;

Ref<ExtendedMaze> BigMaze()
{
    random::Seed = 2026;
    auto cells = ExtendedMaze::New(kMazeW, kMazeH);
    cells->GenerateMaze();
    return cells;
}

void PlaceGems(GameMaze& maze, const Ref<Texture>& sheet)
{
    const Ref<TileMap>& walls = maze.GetMazeWalls();
    for (int r = 0; r < maze.GetRows(); ++r) {
        for (int c = 0; c < maze.GetCols(); ++c) {
            if (maze.IsWall(c, r)) continue;
            auto gem = GemSprite::New(sheet);
            gem->DefineSequence(U"idle", 0, 3, true);
            gem->PlaySequence(U"idle");
            walls->AddChild2(gem, maze.TileCenterX(c), maze.TileCenterY(r) - 4.0f);
        }
    }
}

void BM_MazeTileMapUpdateDarkWithGems(benchmark::State& state)
{
    graphics::ResetContext();
    RecordingGraphicsDevice device;
    for (const char* name : {"mazeset.png", "floorset.png", "blocktrap.png", "wallbreak.png",
                             "items.png", "fallingrock.png"}) {
        device.AddFakeImage(name, 20 * 48, 96);
    }
    device.AddFakeImage("lightmap.png", 6 * 32, 32);
    graphics::SetGraphicsDevice(&device);
    auto maze = GameMaze::New(*BigMaze(), U"THE_MAZE", kWorldDarkness);
    PlaceGems(*maze, Texture::GetTexture(U"items.png"));
    auto saved1 = GameData::player1;
    auto saved2 = GameData::player2;
    GameData::player1 = PlayerData::New();
    GameData::player2 = PlayerData::New();
    int p = 0;
    for (const auto& player : {GameData::player1, GameData::player2}) {
        player->stageData = std::make_shared<PlayerStageData>();
        player->stageData->tileC = kMazeW - 1 + 2 * p++;
        player->stageData->tileR = kMazeH;
    }
    const auto& map = maze->GetMazeBaseGDO();
    for (auto _ : state) {
        map->Update(kStepMs);
    }
    state.counters["sprites"] = map->GetWalls()->ChildCount();
    map->Deallocate();
    GameData::player1 = saved1;
    GameData::player2 = saved2;
    graphics::ResetContext();
}
BENCHMARK(BM_MazeTileMapUpdateDarkWithGems)->Unit(benchmark::kMicrosecond);

// An opaque sheet of `tiles` 32 x 32 tiles in different greys, registered under `path`.
Ref<Texture> Sheet(const char* path, int tiles)
{
    std::vector<int> pixels(static_cast<size_t>(tiles * 32 * 32));
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int grey = static_cast<int>((i % static_cast<size_t>(tiles * 32)) / 32 * 12 + 40);
        pixels[i] = static_cast<int>(0xFF000000u | static_cast<unsigned>(grey * 0x010101));
    }
    return Texture::New3(pixels, tiles * 32, 32, FromLatin1(path), false, 1);
}

// range(0): the map's scale in percent (100: culled to the window; 44: the whole map shows).
void BM_TileMapDrawGL(benchmark::State& state)
{
    constexpr int kWidth = 1280;
    constexpr int kHeight = 720;
    BenchGLWindow window(kWidth, kHeight);
    if (!window.Ok()) {
        state.SkipWithError("no GL window (run under xvfb-run)");
        return;
    }
    graphics::ResetContext();
    same::ResetDrawingState();
    graphics::SetGraphicsDevice(&window.Device());
    std::vector<Ref<Texture>> sheets = {Sheet("mazeset.png", 20), Sheet("floorset.png", 19),
                                        Sheet("blocktrap.png", 4), Sheet("wallbreak.png", 10)};
    auto maze = GameMaze::New(*BigMaze(), U"THE_MAZE", 0);
    const auto& map = maze->GetMazeBaseGDO();
    const float scale = static_cast<float>(state.range(0)) / 100.0f;
    auto frame = [&] {
        window.Device().BeginRender();
        graphics::BeginRender();
        graphics::Cls(0, 0, 0);
        same::UndoClipping();
        graphics::PushMatrix();
        graphics::Translate(kWidth / 2.0f, kHeight / 2.0f);
        graphics::Scale(scale, scale);
        map->GetFloor()->Draw();
        map->GetWalls()->Draw();
        graphics::PopMatrix();
        graphics::EndRender();
        window.Device().EndRender();
        glFinish();
    };
    TimeFrames(state, frame);
    state.counters["tiles"] = maze->GetCols() * maze->GetRows() * 2;
    map->Deallocate();
    for (auto& sheet : sheets) sheet->Deallocate();
    graphics::ResetContext();
}
BENCHMARK(BM_TileMapDrawGL)->Arg(100)->Arg(44)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zelka
