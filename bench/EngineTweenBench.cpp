// One TweenEngine update with 300 bindings: a string-keyed TrySetFloatProperty per binding
// per update, the engine's hot path during menus and the match's tile effects.

#include "engine/display/RectangleGDO.h"
#include "engine/tween/TweenEngine.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace zelka {
namespace {

constexpr int kTweens = 100;
constexpr int kBindingsPerTween = 3;   // 300 bindings in all
constexpr int kStepMs = 16;

void BM_TweenEngine300Bindings(benchmark::State& state)
{
    auto engine = TweenEngine::New(U"bench");
    std::vector<Ref<GDO>> nodes;
    const char32_t* properties[kBindingsPerTween] = {U"alpha", U"position.x", U"scale"};
    for (int i = 0; i < kTweens; ++i) {
        const String name = FromLatin1("tween" + std::to_string(i));
        auto tween = Tween::New(SineEaseInOut::New(), 0.0f, 1.0f, 1000, true, true);
        tween->Start();
        engine->AddTween(tween, name);
        auto node = RectangleGDO::New(10.0f, 10.0f, false);
        nodes.push_back(node);
        for (int b = 0; b < kBindingsPerTween; ++b) {
            engine->AddTweenBinding(name, node, properties[b], 1.0f, 0.0f);
        }
    }
    for (auto _ : state) {
        engine->Update(kStepMs);
    }
    state.SetItemsProcessed(state.iterations() * kTweens * kBindingsPerTween);
    engine->Deallocate();
}
BENCHMARK(BM_TweenEngine300Bindings);

}  // namespace
}  // namespace zelka
