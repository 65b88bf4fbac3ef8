// Character select: the loading of the roulettes' faces and portraits (steps 1 and 2) and
// of its sounds (step 6), and one frame with both portraits sliding over locked characters
// (four noise pictures with their scan-line filters). Textures go through the real GL device
// in a hidden window (run under xvfb-run -a); sounds are decoded for a null audio device.
// Reads the generated data set beside the build root.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/text/FontCache.h"
#include "engine/tween/TweenEngine.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/files/DataPath.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "screens/app/AppServices.h"
#include "screens/charsel/CharRoulette.h"
#include "screens/charsel/CharSelStage.h"
#include "services/data/GameData.h"
#include "tests/support/HiddenGlWindow.h"

namespace zelka {
namespace {

constexpr int kStepMs = 16;
constexpr int kLockedLeft = 4;    // guests: locked on a fresh save
constexpr int kLockedRight = 5;

// The game's state for one benchmark: GL window and device, data beside the build root,
// a scratch folder for the save files, game data with its fonts, a null audio device.
class CharSelWorld {
public:
    CharSelWorld() : window_(640, 360)
    {
        if (!window_.IsOpen()) return;
        device_ = std::make_unique<GLGraphicsDevice>([this](int& w, int& h) { window_.Size(w, h); });
        graphics::SetGraphicsDevice(device_.get());
        // The executable sits in bench/ under the build root that holds data/.
        static const bool once = [] {
            files::SetApplicationFolder(files::FolderOf(files::ApplicationFolder()));
            return true;
        }();
        (void)once;
        home_ = std::filesystem::current_path();
        scratch_ = std::filesystem::temp_directory_path() / "zelka-charsel-bench";
        std::filesystem::create_directories(scratch_);
        std::filesystem::current_path(scratch_);
        audio::SetAudioDevice(std::make_shared<NullAudioDevice>());
        AudioManager::ResetState();
        SoundManager::ResetState();
        AudioManager::Init();
        SoundManager::Init();
        Texture::encryptionEnabled = true;
        AudioManager::encryptionEnabled = true;
        GameData::ResetForTest();
        GameData::SetHooks(&hooks_);
        GameData::Init();
        GameData::SetGameMode(0);  // versus, one player: both panels
    }

    ~CharSelWorld()
    {
        FontCache::Clear();
        GameData::ResetForTest();
        GameData::SetHooks(nullptr);
        AudioManager::ResetState();
        SoundManager::ResetState();
        audio::SetAudioDevice(nullptr);
        if (!scratch_.empty()) {
            std::filesystem::current_path(home_);
            std::filesystem::remove_all(scratch_);
        }
        graphics::ResetContext();
        same::ResetDrawingState();
    }

    bool Ready() const { return window_.IsOpen() && GameData::stdFont != nullptr; }

    void BeginFrame()
    {
        device_->BeginRender();
        graphics::BeginRender();
        graphics::Cls(0, 0, 0);
    }

    void EndFrame()
    {
        graphics::EndRender();
        device_->EndRender();
    }

private:
    testing::HiddenGlWindow window_;
    std::unique_ptr<GLGraphicsDevice> device_;
    AppGameDataHooks hooks_;
    std::filesystem::path home_;
    std::filesystem::path scratch_;
};

void BM_CharSelLoadFacesAndPortraits(benchmark::State& state)
{
    CharSelWorld world;
    if (!world.Ready()) {
        state.SkipWithError("needs a display and the generated data (xvfb-run -a)");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        const Ref<CharSelStage> stage = CharSelStage::New();
        stage->LoadStep(0);
        state.ResumeTiming();
        // Texture uploads happen inside the frame the loading screen draws.
        world.BeginFrame();
        stage->LoadStep(1);
        stage->LoadStep(2);
        world.EndFrame();
        state.PauseTiming();
        stage->Deallocate();  // the next visit loads everything again
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CharSelLoadFacesAndPortraits)->Unit(benchmark::kMillisecond);

void BM_CharSelLoadSounds(benchmark::State& state)
{
    CharSelWorld world;
    if (!world.Ready()) {
        state.SkipWithError("needs a display and the generated data (xvfb-run -a)");
        return;
    }
    const Ref<CharSelStage> stage = CharSelStage::New();
    for (auto _ : state) {
        stage->LoadStep(6);
        state.PauseTiming();
        AudioManager::UnloadDiscardableSFX();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CharSelLoadSounds)->Unit(benchmark::kMillisecond);

void BM_CharSelFrameBothNoisePortraitsSliding(benchmark::State& state)
{
    CharSelWorld world;
    if (!world.Ready()) {
        state.SkipWithError("needs a display and the generated data (xvfb-run -a)");
        return;
    }
    const Ref<CharSelStage> stage = CharSelStage::New();
    world.BeginFrame();
    while (stage->GetLoadingProgress() < 100) {
    }
    world.EndFrame();
    const int locked[] = {kLockedLeft, kLockedRight};
    for (int i = 0; i < 2; ++i) {
        stage->GetRoulette(i)->SetRoulette(locked[i]);
        stage->UpdateSelectedProfile(i, true);  // old and new picture both under noise
        stage->UpdateSelectedProfile(i, true);
    }
    const Ref<TweenEngine>& engine = stage->GetTweenEngine();
    for (auto _ : state) {
        for (const char32_t* slide : {U"p1UpTween", U"p2UpTween"}) {
            if (const Ref<Tween> tween = engine->GetTween(slide); !tween->IsPlaying()) {
                tween->Start();
            }
        }
        stage->GetRootGDO()->Update(kStepMs);
        engine->Update(kStepMs);
        world.BeginFrame();
        stage->RenderWorld();
        world.EndFrame();
    }
    stage->Deallocate();
}
BENCHMARK(BM_CharSelFrameBothNoisePortraitsSliding)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelka
