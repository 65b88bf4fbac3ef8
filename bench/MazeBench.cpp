// Maze generation time: the versus sizes of the match settings and the idol track.
// Each iteration builds a fresh maze from a new seed, as the match stage's first load
// step does.

#include "engine/core/Random.h"
#include "match/MatchConstants.h"
#include "match/maze/ExtendedMaze.h"

#include <benchmark/benchmark.h>

namespace zelka {
namespace {

void BM_GenerateMaze(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    ExtendedMaze maze;
    uint32_t seed = 1;
    for (auto _ : state) {
        maze.InitMaze(width, height);
        random::Seed = seed++;
        maze.GenerateMaze();
        benchmark::DoNotOptimize(maze.GetCell(0));
    }
}
BENCHMARK(BM_GenerateMaze)->Args({10, 9})->Args({16, 15})->Args({24, 25})
    ->Unit(benchmark::kMicrosecond);

void BM_GenerateRFTIMaze(benchmark::State& state)
{
    ExtendedMaze maze;
    uint32_t seed = 1;
    for (auto _ : state) {
        maze.InitMaze(kRaceTrackWidth, kRaceTrackHeight);
        random::Seed = seed++;
        benchmark::DoNotOptimize(maze.GenerateRFTIMaze());
    }
}
BENCHMARK(BM_GenerateRFTIMaze)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelka
