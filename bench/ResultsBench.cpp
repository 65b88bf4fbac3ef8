// The results screen's font step: five fonts read from the secondary font's file, four of
// them with every page recoloured into two tones and uploaded again. Uses the real GL device
// when a display is there (xvfb-run -a), else the recording device (no upload). Reads the
// generated data set beside the build root.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/media/Texture.h"
#include "engine/text/FontCache.h"
#include "platform/files/DataPath.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "screens/results/ResultStage.h"
#include "tests/support/HiddenGlWindow.h"

namespace zelka {
namespace {

constexpr int kFontStep = 1;

void BM_ResultsLoadStepFonts(benchmark::State& state)
{
    // The benchmark executables sit in bench/ under the build root that holds data/.
    files::SetApplicationFolder(files::FolderOf(files::ApplicationFolder()));
    std::unique_ptr<testing::HiddenGlWindow> window;
    std::unique_ptr<GLGraphicsDevice> gl;
    if (testing::HiddenGlWindow::Available()) {
        window = std::make_unique<testing::HiddenGlWindow>(64, 64);
        if (window->IsOpen()) {
            gl = std::make_unique<GLGraphicsDevice>(
                [&window](int& w, int& h) { window->Size(w, h); });
        }
    }
    RecordingGraphicsDevice recorder;
    graphics::ResetContext();
    graphics::SetGraphicsDevice(gl ? static_cast<GraphicsDevice*>(gl.get()) : &recorder);
    Texture::encryptionEnabled = true;
    for (auto _ : state) {
        const Ref<ResultStage> stage = ResultStage::New();
        stage->LoadStep(kFontStep);
        state.PauseTiming();
        // A later visit would find the fonts cached: every round builds them anew.
        stage->Deallocate();
        FontCache::Clear();
        state.ResumeTiming();
    }
    state.SetLabel(gl ? "GL upload" : "no display: no upload");
    Texture::encryptionEnabled = false;
    graphics::ResetContext();
    gl.reset();
    window.reset();
    files::SetApplicationFolder(std::nullopt);
}
BENCHMARK(BM_ResultsLoadStepFonts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelka
