#include "services/settings/StageSettings.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace zelka {
namespace {

// The numbers the match reads: maze width and height, corner treasure, gems in items,
// item spawn, time (ms), turbo, gem respawn (ms).
using Derived = std::tuple<int, int, int, int, int, int, bool, int>;

Derived Read(const StageSettings& s)
{
    return {s.GetMazeWidth(), s.GetMazeHeight(), s.GetCornerTreasure(), s.GetGemsInItems(),
            s.GetItemSpawn(), s.GetTime(), s.IsTurbo(), s.GetGemRespawnTime()};
}

// Each preset applied to fresh settings, which start on "normal match". The respawn time
// follows from the other options (10312 is 20625 halved by integer division).
TEST(StageSettings, EveryPresetSetsItsOptions)
{
    EXPECT_EQ(StageSettings::New()->GetCurrentPreset(), 0);
    const std::pair<const char32_t*, Derived> rows[] = {
        {U"normal match", {16, 15, 20, 5, 10, 150000, false, 20625}},
        {U"items won't help!", {16, 15, 20, 0, 10, 150000, false, 20625}},
        {U"gotta go fast!", {16, 15, 20, 5, 10, 150000, true, 20625}},
        {U"quick match", {10, 9, 20, 5, 10, 60000, false, 10312}},
        {U"item craze", {16, 15, 20, 5, 5, 150000, false, 10312}},
        {U"treasure hunt", {24, 25, 100, 5, 10, 210000, false, 20625}},
        {U"no loot", {16, 15, 1, 5, 10, 150000, false, 20625}},
    };
    for (const auto& [name, want] : rows) {
        SCOPED_TRACE(ToUtf8(name));
        Ref<StageSettings> s = StageSettings::New();
        const int index = s->FindPresetByName(name);
        ASSERT_GE(index, 0);
        s->SelectPreset(index);
        EXPECT_EQ(s->GetCurrentPreset(), index);
        EXPECT_EQ(Read(*s), want);
    }
}

TEST(StageSettings, TreasureHuntKeepsTheItemSpawn)
{
    Ref<StageSettings> s = StageSettings::New();
    s->SelectPreset(s->FindPresetByName(U"quick match"));
    s->SelectPreset(s->FindPresetByName(U"treasure hunt"));
    EXPECT_EQ(s->GetItemSpawn(), 10);

    s->SelectPreset(s->FindPresetByName(U"item craze"));
    s->SelectPreset(s->FindPresetByName(U"treasure hunt"));
    EXPECT_EQ(s->GetItemSpawn(), 5);
    EXPECT_EQ(s->FindParameterByName(U"item spawn")->GetSelectedOption(), 0);  // "5 gems"
}

TEST(StageSettings, SetOptionKeepsThePresetAndRecomputesTheRespawn)
{
    Ref<StageSettings> s = StageSettings::New();
    s->SelectPreset(3);
    EXPECT_TRUE(s->SetOption(U"gem respawn", U"normal"));
    EXPECT_EQ(s->GetGemRespawnTime(), 20625);
    EXPECT_TRUE(s->SetOption(U"gem respawn", U"fast"));
    EXPECT_EQ(s->GetGemRespawnTime(), 10312);
    EXPECT_TRUE(s->SetOption(U"time", U"3:00"));
    EXPECT_EQ(s->GetTime(), 180000);
    EXPECT_EQ(s->GetCurrentPreset(), 3);

    // Selecting on the parameter alone leaves the numbers: only SetOption updates them.
    Ref<StageParameter> width = s->FindParameterByName(U"maze width");
    EXPECT_TRUE(width->SelectOption(U"large"));
    EXPECT_EQ(width->GetSelectedOptionValue(), 24);
    EXPECT_EQ(s->GetMazeWidth(), 10);
}

TEST(StageSettings, UnknownNamesAndIndexesChangeNothing)
{
    Ref<StageSettings> s = StageSettings::New();
    const Derived before = Read(*s);
    EXPECT_FALSE(s->SetOption(U"time", U"9:99"));
    EXPECT_FALSE(s->SetOption(U"gravity", U"normal"));
    EXPECT_EQ(s->FindParameterByName(U"time")->GetSelectedOption(), 2);  // still "2:30"
    for (int preset : {7, -1}) {
        s->SelectPreset(preset);
        EXPECT_EQ(std::pair(s->GetCurrentPreset(), Read(*s)), std::pair(-1, before)) << preset;
    }
    EXPECT_FALSE(s->AddPreset(U"no loot"));  // a name already taken
    EXPECT_EQ(s->GetTotalPresets(), 7);
    s->Reset();
    EXPECT_EQ(s->GetCurrentPreset(), 0);

    Ref<StageParameter> width = s->FindParameterByName(U"maze width");
    EXPECT_FALSE(width->SelectOption2(3));
    EXPECT_EQ(width->GetOptionValue(3), 0);
    EXPECT_EQ(width->GetOptionName(-1), U"");
}

}  // namespace
}  // namespace zelka
