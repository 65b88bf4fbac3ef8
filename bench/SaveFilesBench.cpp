// The save file is written at every stage creation (about 1 KB of Base64, with fsync):
// how long a stage change waits for it, and the encode/decode cost alone.
#include "services/config/PlayerConfig.h"
#include "services/data/GameData.h"
#include "services/xml/XMLNode.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zelka {
namespace {

// GameData in a temporary working directory, for the length of one benchmark.
class TempGame {
public:
    TempGame()
    {
        home_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "zelka-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) dir_ = pattern;
        std::filesystem::current_path(dir_);
        GameData::ResetForTest();
        GameData::Init();
    }
    ~TempGame()
    {
        GameData::ResetForTest();
        std::filesystem::current_path(home_);
        std::filesystem::remove_all(dir_);
    }

private:
    std::filesystem::path home_;
    std::filesystem::path dir_;
};

void BM_SaveUserData(benchmark::State& state)
{
    TempGame game;
    for (auto _ : state) playerconfig::SaveUserData();
}
BENCHMARK(BM_SaveUserData)->Unit(benchmark::kMicrosecond);

void BM_SaveFileRoundTrip(benchmark::State& state)
{
    TempGame game;
    playerconfig::RefreshGameData();
    Ref<XMLNode> tree = GameData::GetSaveDataNode();
    for (auto _ : state) {
        String stored = playerconfig::FileContentFromSaveNode(*tree);
        benchmark::DoNotOptimize(playerconfig::ReadSaveNodeFromFileContent(stored));
    }
}
BENCHMARK(BM_SaveFileRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelka
