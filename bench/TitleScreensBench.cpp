// The title's how-to-play page as built on a menu press (with and without its recoloured
// title font already cached), one update of the credits' scrolling column, and one step of
// the first intro's address reveal.

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/media/Texture.h"
#include "engine/stage/Stage.h"
#include "engine/text/Font.h"
#include "engine/text/FontCache.h"
#include "engine/text/Label.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/files/DataPath.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "platform/input/InputDevice.h"
#include "screens/app/ZELKA.h"
#include "screens/credits/CreditsStage.h"
#include "screens/title/HowToPlay.h"
#include "services/data/GameData.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace zelka {
namespace {

constexpr int kStepMs = 16;

// The generated data set beside the build's executables, the game data in a scratch
// folder (it writes its files), both fonts and player 1 on the keyboard.
struct ScreenWorld {
    ScreenWorld()
    {
        files::SetApplicationFolder(files::ApplicationFolder() + "/..");
        const auto dir = std::filesystem::temp_directory_path() /
                         ("zelka_bench_screens_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        graphics::SetGraphicsDevice(&device);
        Texture::encryptionEnabled = true;
        input::SetInputDevice(keys);
        audio::SetAudioDevice(std::make_shared<NullAudioDevice>());
        AudioManager::encryptionEnabled = true;
        AudioManager::Init();
        SoundManager::Init();
        GameData::Init();
        GameData::stdFont = Font::New(U"press_start_k.fnt");
        GameData::secFont = Font::New(U"upheaval.fnt");
        GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD");
    }
    RecordingGraphicsDevice device{640, 360};
    Ref<InputDevice> keys = std::make_shared<InputDevice>();
};

ScreenWorld& World()
{
    static ScreenWorld world;
    return world;
}

void BM_HowToPlayBuildCold(benchmark::State& state)
{
    World();
    for (auto _ : state) {
        FontCache::Clear();   // the recoloured title font is read and repainted again
        Ref<HowToPlay> page = HowToPlay::New();
        benchmark::DoNotOptimize(page);
        page->Deallocate();
        World().device.ClearCalls();
    }
}
BENCHMARK(BM_HowToPlayBuildCold)->Unit(benchmark::kMillisecond);

void BM_HowToPlayBuildWarm(benchmark::State& state)
{
    World();
    HowToPlay::New()->Deallocate();   // the font cache holds the title font from here on
    for (auto _ : state) {
        Ref<HowToPlay> page = HowToPlay::New();
        benchmark::DoNotOptimize(page);
        page->Deallocate();
        World().device.ClearCalls();
    }
}
BENCHMARK(BM_HowToPlayBuildWarm)->Unit(benchmark::kMillisecond);

void BM_CreditsUpdate(benchmark::State& state)
{
    World();
    ZELKA app;   // the stage asks it for the title at the end
    const Ref<CreditsStage> credits = CreditsStage::New();
    while (credits->GetLoadingProgress() < 100) {
    }
    for (auto _ : state) {
        credits->Update(kStepMs);
        benchmark::ClobberMemory();
    }
    state.counters["labels"] = static_cast<double>(credits->GetContent()->ChildCount());
    credits->Deallocate();
}
BENCHMARK(BM_CreditsUpdate)->Unit(benchmark::kMicrosecond);

// The first intro's address reveal: its box width changes every update, and each change
// re-cuts the single line.
void BM_IntroUrlRevealStep(benchmark::State& state)
{
    World();
    const Ref<Label> url = Label::New(GameData::stdFont, 1.0f);
    url->SetStyle(kLabelSingleLine);
    url->SetFontScale(0.3f, 0.4f);
    url->SetText(U"WWW.ZIBGAMES.EXAMPLE");
    float width = 1.0f;
    for (auto _ : state) {
        width = width >= 300.0f ? 1.0f : width + 1.6f;   // 300 px over 3000 ms of 16 ms steps
        url->SetFloatProperty(U"width", width);
        benchmark::DoNotOptimize(url->GetLines());
    }
}
BENCHMARK(BM_IntroUrlRevealStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelka
