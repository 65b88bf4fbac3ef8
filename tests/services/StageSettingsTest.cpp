#include "services/settings/StageSettings.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

struct Derived {
    int width, height, corner, inItems, spawn, time;
    bool turbo;
    int respawn;
};

Derived Read(const StageSettings& s)
{
    return {s.GetMazeWidth(), s.GetMazeHeight(), s.GetCornerTreasure(), s.GetGemsInItems(),
            s.GetItemSpawn(), s.GetTime(), s.IsTurbo(), s.GetGemRespawnTime()};
}

void ExpectDerived(const StageSettings& s, const Derived& want)
{
    Derived got = Read(s);
    EXPECT_EQ(got.width, want.width);
    EXPECT_EQ(got.height, want.height);
    EXPECT_EQ(got.corner, want.corner);
    EXPECT_EQ(got.inItems, want.inItems);
    EXPECT_EQ(got.spawn, want.spawn);
    EXPECT_EQ(got.time, want.time);
    EXPECT_EQ(got.turbo, want.turbo);
    EXPECT_EQ(got.respawn, want.respawn);
}

TEST(StageSettings, NewStartsOnNormalMatch)
{
    Ref<StageSettings> s = StageSettings::New();
    EXPECT_EQ(s->GetCurrentPreset(), 0);
    EXPECT_EQ(s->GetTotalPresets(), 7);
    EXPECT_EQ(s->GetTotalParameters(), 8);
    ExpectDerived(*s, {16, 15, 20, 5, 10, 150000, false, 20625});
}

TEST(StageSettings, EveryPresetSetsItsOptions)
{
    struct Row {
        const char32_t* name;
        Derived want;
    };
    // Each preset applied from a fresh "normal match".
    const Row rows[] = {
        {U"normal match", {16, 15, 20, 5, 10, 150000, false, 20625}},
        {U"items won't help!", {16, 15, 20, 0, 10, 150000, false, 20625}},
        {U"gotta go fast!", {16, 15, 20, 5, 10, 150000, true, 20625}},
        {U"quick match", {10, 9, 20, 5, 10, 60000, false, 10312}},
        {U"item craze", {16, 15, 20, 5, 5, 150000, false, 10312}},
        {U"treasure hunt", {24, 25, 100, 5, 10, 210000, false, 20625}},
        {U"no loot", {16, 15, 1, 5, 10, 150000, false, 20625}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(ToUtf8(row.name));
        Ref<StageSettings> s = StageSettings::New();
        int index = s->FindPresetByName(row.name);
        ASSERT_GE(index, 0);
        s->SelectPreset(index);
        EXPECT_EQ(s->GetCurrentPreset(), index);
        ExpectDerived(*s, row.want);
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

TEST(StageSettings, SetOptionKeepsPresetAndRecomputesRespawn)
{
    Ref<StageSettings> s = StageSettings::New();
    s->SelectPreset(3);
    EXPECT_TRUE(s->SetOption(U"gem respawn", U"normal"));
    EXPECT_EQ(s->GetGemRespawnTime(), 20625);
    EXPECT_TRUE(s->SetOption(U"gem respawn", U"fast"));
    EXPECT_EQ(s->GetGemRespawnTime(), 10312);  // integer division
    EXPECT_TRUE(s->SetOption(U"time", U"3:00"));
    EXPECT_EQ(s->GetTime(), 180000);
    EXPECT_EQ(s->GetCurrentPreset(), 3);
}

TEST(StageSettings, UnknownNamesAndIndexesChangeNothing)
{
    Ref<StageSettings> s = StageSettings::New();
    Derived before = Read(*s);
    EXPECT_FALSE(s->SetOption(U"time", U"9:99"));
    EXPECT_FALSE(s->SetOption(U"gravity", U"normal"));
    EXPECT_EQ(s->FindParameterByName(U"time")->GetSelectedOption(), 2);  // still "2:30"

    s->SelectPreset(7);
    EXPECT_EQ(s->GetCurrentPreset(), -1);
    s->SelectPreset(-1);
    EXPECT_EQ(s->GetCurrentPreset(), -1);
    ExpectDerived(*s, before);

    EXPECT_FALSE(s->AddPreset(U"no loot"));
    EXPECT_EQ(s->GetTotalPresets(), 7);
    s->Reset();
    EXPECT_EQ(s->GetCurrentPreset(), 0);
}

TEST(StageParameter, SelectingAnOptionLeavesTheDerivedNumbers)
{
    Ref<StageSettings> s = StageSettings::New();
    Ref<StageParameter> width = s->FindParameterByName(U"maze width");
    EXPECT_TRUE(width->SelectOption(U"large"));
    EXPECT_EQ(width->GetSelectedOptionValue(), 24);
    EXPECT_EQ(s->GetMazeWidth(), 16);  // only StageSettings::SetOption updates it

    EXPECT_FALSE(width->SelectOption2(3));
    EXPECT_EQ(width->GetOptionValue(3), 0);
    EXPECT_EQ(width->GetOptionName(-1), U"");
    EXPECT_EQ(width->GetOptionName(0), U"small");
}

}  // namespace
}  // namespace zelka
