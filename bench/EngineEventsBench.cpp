// Event delivery cost: every send scans the whole listener list (particles send one event
// per live particle per update), so the scan with 500 entries is the figure that matters.

#include "engine/core/EventManager.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace zelka {
namespace {

constexpr int kListeners = 500;
constexpr int kSendsPerIteration = 2000;

class Source : public Object {};

class Counter : public EventListener {
public:
    void HandleEvent(Object*, int, Object*) override { ++calls; }
    long calls = 0;
};

// 500 listeners on distinct sources; each send matches exactly one of them.
void BM_SendEvent500Listeners(benchmark::State& state)
{
    EventManager::RemoveAllListeners();
    std::vector<Ref<Source>> sources;
    auto counter = std::make_shared<Counter>();
    for (int i = 0; i < kListeners; ++i) {
        sources.push_back(std::make_shared<Source>());
        EventManager::RegisterListener(counter, sources.back(), 7777);
    }
    for (auto _ : state) {
        for (int i = 0; i < kSendsPerIteration; ++i) {
            EventManager::SendEvent(sources[i % kListeners].get(), 7777, nullptr);
        }
    }
    benchmark::DoNotOptimize(counter->calls);
    state.SetItemsProcessed(state.iterations() * kSendsPerIteration);
    EventManager::RemoveAllListeners();
}
BENCHMARK(BM_SendEvent500Listeners);

}  // namespace
}  // namespace zelka
