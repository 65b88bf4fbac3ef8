// The match stage on the generated data set, through the real GL device (run under
// xvfb-run -a):
// - one match update on the large 24 x 25 versus maze, both players under the computer's
//   control, items and dust running;
// - one split-screen frame through the real GL device at 1280 x 720: ms and draw calls;
// - the eleven load steps of the large versus maze.
#include <benchmark/benchmark.h>


#include <cstdlib>
#include <filesystem>
#include <memory>

#include "bench/support/BenchGLWindow.h"
#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/EventManager.h"
#include "engine/core/Random.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/stage/Game.h"
#include "engine/text/Font.h"
#include "engine/text/FontCache.h"
#include "match/stage/ZELKAStage.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/files/DataPath.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/WindowGeneration.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "services/data/GameData.h"
#include "services/data/null/NullVideoHost.h"
#include "services/player/PlayerData.h"
#include "services/roster/Roster.h"
#include "services/settings/StageSettings.h"

namespace zelka {
namespace {

constexpr int kStepMs = 16;
constexpr int kVersus2P = 1;
constexpr int kWidth = 1280;
constexpr int kHeight = 720;

// One window for the whole process: textures kept between stages must stay on the device
// that made them.
BenchGLWindow& SharedWindow()
{
    static BenchGLWindow window(kWidth, kHeight);
    return window;
}

// Makes the shared GL device current; false (and the benchmark skipped) without a display.
bool UseGL(benchmark::State& state)
{
    if (!SharedWindow().Ok()) {
        state.SkipWithError("no GL window (run under xvfb-run)");
        return false;
    }
    graphics::ResetContext();
    same::ResetDrawingState();
    graphics::SetGraphicsDevice(&SharedWindow().Device());
    return true;
}

class BenchGame final : public Game {
public:
    BenchGame() : Game(60, 640, 360) {}
    void OnStartTransition(int, int) override {}
};

// Game data, audio and the data folder once per process; a game object per benchmark.
class MatchWorld {
public:
    MatchWorld()
    {
        static const bool once = [] {
            const std::filesystem::path home =
                std::filesystem::temp_directory_path() / "zelka-bench";
            std::filesystem::create_directories(home);
            files::SetHomeFolder(home.string());
            files::SetApplicationFolder(files::FolderOf(files::ApplicationFolder()));
            GameData::SetVideoHost(std::make_shared<NullVideoHost>(
                DisplayMode{1920, 1080}, std::vector<DisplayMode>{{1920, 1080}}));
            audio::SetAudioDevice(std::make_shared<NullAudioDevice>());
            AudioManager::encryptionEnabled = true;
            Texture::encryptionEnabled = true;
            AudioManager::Init();
            GameData::Init();
            Roster::Init();
            GameData::player1->character = Roster::GetCharacterByIndex(0);
            GameData::player2->character = Roster::GetCharacterByIndex(1);
            GameData::gameSettings->SetOption(U"maze width", U"large");
            GameData::gameSettings->SetOption(U"maze height", U"large");
            GameData::gameSettings->SetOption(U"time", U"3:30");
            GameData::SetGameMode(kVersus2P);
            GameData::SetCurrentWorldByIndex(0);
            ZELKAStage::SetComputerForBothPlayers(true);
            return true;
        }();
        (void)once;
    }

    // Fonts are loaded again each time: their pages belong to the graphics device current
    // when they were read.
    Ref<ZELKAStage> Load()
    {
        FontCache::Clear();
        GameData::stdFont = Font::New(U"press_start_k.fnt");
        GameData::secFont = Font::New(U"upheaval.fnt");
        random::Seed = 1234;
        auto stage = ZELKAStage::New(GameData::gameSettings->GetTime());
        while (stage->GetLoadingProgress() < 100) {
        }
        return stage;
    }

    static void Release(const Ref<ZELKAStage>& stage)
    {
        stage->Deallocate();
        EventManager::RemoveAllListeners();
        GameData::player1->stageData.reset();
        GameData::player2->stageData.reset();
    }

    static void RunIntro(ZELKAStage& stage)
    {
        while (stage.IsIntroRunning()) {
            stage.Update(kStepMs);
        }
    }

private:
    BenchGame game_;
};

void BM_MatchUpdateLargeMaze(benchmark::State& state)
{
    if (!UseGL(state)) {
        return;
    }
    MatchWorld world;
    const Ref<ZELKAStage> stage = world.Load();
    MatchWorld::RunIntro(*stage);
    for (auto _ : state) {
        stage->Update(kStepMs);
        if (stage->GetTime() < 1000) {
            state.PauseTiming();
            stage->SetTime(stage->GetTimeLimit());
            state.ResumeTiming();
        }
    }
    state.counters["cogs"] = stage->CogCount();
    MatchWorld::Release(stage);
    graphics::ResetContext();
}
BENCHMARK(BM_MatchUpdateLargeMaze)->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_MatchLoadLargeMaze(benchmark::State& state)
{
    if (!UseGL(state)) {
        return;
    }
    MatchWorld world;
    for (auto _ : state) {
        const Ref<ZELKAStage> stage = world.Load();
        state.PauseTiming();
        MatchWorld::Release(stage);
        state.ResumeTiming();
    }
    graphics::ResetContext();
}
BENCHMARK(BM_MatchLoadLargeMaze)->Unit(benchmark::kMillisecond);

void BM_MatchFrameSplitGL(benchmark::State& state)
{
    if (!UseGL(state)) {
        return;
    }
    BenchGLWindow& window = SharedWindow();
    MatchWorld world;   // its game object resets the letterbox: set it afterwards
    Game::globalScale.Set(2.0f, 2.0f);
    Game::globalOffset.Set(0.0f, 0.0f);
    const Ref<ZELKAStage> stage = world.Load();
    MatchWorld::RunIntro(*stage);
    for (int i = 0; i < 60; ++i) {
        stage->Update(kStepMs);
    }
    stage->SetScreens(true, false);
    auto frame = [&] {
        window.Device().BeginRender();
        graphics::BeginRender();
        graphics::Cls(0, 0, 0);
        graphics::PushMatrix();
        graphics::Scale(2.0f, 2.0f);
        same::SetClipping(0.0f, 0.0f, kWidth, kHeight);
        same::ApplyCurrentClipping();
        stage->RenderWorld();
        same::UndoClipping();
        graphics::PopMatrix();
        graphics::EndRender();
        window.Device().EndRender();
        glFinish();
    };
    TimeFrames(state, frame);
    MatchWorld::Release(stage);
    Game::globalScale.Set(1.0f, 1.0f);
    graphics::ResetContext();
}
BENCHMARK(BM_MatchFrameSplitGL)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zelka
