// One frame of a 5,000-node world drawn through two windows (split screen) into the
// recording device: culling, the tint stack and the matrix work per node per window.

#include "engine/display/DrawingState.h"
#include "engine/display/RectangleGDO.h"
#include "engine/stage/Game.h"
#include "engine/stage/Stage.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

#include <benchmark/benchmark.h>

namespace zelka {
namespace {

constexpr int kNodes = 5000;
constexpr int kColumns = 100;          // nodes laid out on a grid of 100 columns
constexpr float kSpacing = 32.0f;      // one tile apart, pixels
constexpr float kHalfScreenW = 320.0f;
constexpr float kScreenH = 360.0f;

class BenchGame : public Game {
public:
    BenchGame() : Game(60, 640, 360) {}
};

void BM_Render5000NodesTwoWindows(benchmark::State& state)
{
    graphics::ResetContext();
    same::ResetDrawingState();
    RecordingGraphicsDevice device(640, 360);
    graphics::SetGraphicsDevice(&device);
    BenchGame game;  // the windows read the game's scale and offset
    auto stage = Stage::New(0);
    stage->GetRootWindow()->visible = false;
    auto left = Window::New(kHalfScreenW, kScreenH);
    left->position->Set(kHalfScreenW * 0.5f, kScreenH * 0.5f);
    auto right = Window::New(kHalfScreenW, kScreenH);
    right->position->Set(kHalfScreenW * 1.5f, kScreenH * 0.5f);
    right->SetViewX(1600.0f);
    right->SetViewY(800.0f);
    stage->AddLayer(left);
    stage->AddLayer(right);
    for (int i = 0; i < kNodes; ++i) {
        auto node = RectangleGDO::New(30.0f, 30.0f, false);
        node->neverCulled = false;
        node->position->Set((i % kColumns) * kSpacing, (i / kColumns) * kSpacing);
        stage->GetRootGDO()->AddChild(node);
    }
    for (auto _ : state) {
        device.ClearCalls();
        device.BeginRender();
        graphics::BeginRender();
        // As a frame does: the letterbox is the clip rectangle, clipping off for the first
        // window, on (the letterbox) after it.
        same::SetClipping(0.0f, 0.0f, 640.0f, 360.0f);
        same::UndoClipping();
        stage->RenderWorld();
        graphics::EndRender();
        device.EndRender();
        benchmark::DoNotOptimize(device.Calls().size());
    }
    state.counters["draws"] = static_cast<double>(device.Draws().size());
    state.SetItemsProcessed(state.iterations() * kNodes * 2);
    stage->Deallocate();
    graphics::ResetContext();
}
BENCHMARK(BM_Render5000NodesTwoWindows)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelka
