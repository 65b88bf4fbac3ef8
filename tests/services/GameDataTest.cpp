#include "services/data/GameData.h"

#include "GameDataFixture.h"
#include "services/config/GlobalOptions.h"
#include "services/input/InputHardware.h"
#include "services/player/PlayerStats.h"
#include "services/settings/GameMode.h"

#include <tuple>
#include <utility>
#include <vector>

namespace zelka {
namespace {

class GameDataTest : public GameDataFixture {
protected:
    // A fresh start on another display.
    void StartOn(std::optional<DisplayMode> desktop, std::vector<DisplayMode> modes)
    {
        GameData::ResetForTest();
        UseDesktop(desktop, std::move(modes));
        GameData::Init();
    }

    static std::vector<std::tuple<int, int, bool>> Modes()
    {
        std::vector<std::tuple<int, int, bool>> modes;
        for (const VideoMode_& m : GameData::videoModes) modes.emplace_back(m.width, m.height, m.windowedOnly);
        return modes;
    }

    void ExpectWindow(int width, int height, bool fullscreen)
    {
        EXPECT_EQ(video_->DeviceWidth(), width);
        EXPECT_EQ(video_->DeviceHeight(), height);
        EXPECT_EQ(video_->IsFullscreen(), fullscreen);
        EXPECT_EQ(GameData::options->fullscreen, fullscreen);
    }
};

TEST_F(GameDataTest, InitStartsFullScreenWithEveryOpenPadAndOnlyOnce)
{
    GameData::Init();
    // Pad 1 failed to open: the numbering keeps its gap.
    std::vector<String> names;
    for (const auto& hardware : GameData::inputHwList) names.push_back(hardware->GetName());
    EXPECT_EQ(names, (std::vector<String>{U"JOYSTICK 1", U"JOYSTICK 3", U"KEYBOARD"}));
    // With no settings file the game starts full screen at the desktop size, at the
    // default volumes.
    ExpectWindow(1920, 1080, true);
    EXPECT_EQ(video_->SwapInterval(), 1);
    EXPECT_FLOAT_EQ(AudioManager::GetBGMInfo().maxVolume, 0.5f);
    EXPECT_FLOAT_EQ(AudioManager::GetSFXChannelInfo(4)->maxVolume, 0.8f);

    Ref<InputHardware> keyboard = GameData::inputHwList.back();
    GameData::stats->AddItemUse(1, 0);
    GameData::Init();
    EXPECT_EQ(GameData::inputHwList.back(), keyboard);
    EXPECT_EQ(GameData::stats->GetItemUses(1, 0), 1);
}

// GLFW lists a size once per refresh rate; the desktop may be missing from the list.
TEST_F(GameDataTest, VideoModesAreDistinctAndEndWithTheWindowedOnes)
{
    GameData::Init();
    EXPECT_EQ(Modes(), (std::vector<std::tuple<int, int, bool>>{
                           {1920, 1080, false}, {1280, 1024, false}, {800, 600, false}, {640, 360, true},
                           {1280, 720, true}}));
    StartOn(DisplayMode{2560, 1440}, {{1920, 1080}});
    EXPECT_EQ(Modes(), (std::vector<std::tuple<int, int, bool>>{
                           {1920, 1080, false}, {2560, 1440, false}, {640, 360, true}, {1280, 720, true}}));
}

TEST_F(GameDataTest, ToggleAndWindowedOnlyModes)
{
    GameData::Init();
    GameData::ToggleFullScreenAuto();
    ExpectWindow(1280, 720, false);
    EXPECT_EQ(GameData::GetCurrentVideoModeIndex(), GameData::FindVideoMode(1280, 720));
    GameData::ToggleFullScreenAuto();
    ExpectWindow(1920, 1080, true);
    EXPECT_EQ(GameData::options->screenWidth, 1920);
    // A windowed-only mode is never full screen; a size off the list is a window directly.
    GameData::ChangeVideoMode(GameData::FindVideoMode(640, 360), true);
    ExpectWindow(640, 360, false);
    EXPECT_EQ(GameData::options->screenWidth, 640);
    GameData::SetToWindow(1000, 500);
    ExpectWindow(1000, 500, false);
    EXPECT_EQ(GameData::options->screenHeight, 500);
    EXPECT_EQ(GameData::GetCurrentVideoModeIndex(), -1);

    StartOn(DisplayMode{1280, 720}, {{1280, 720}});
    GameData::ToggleFullScreenAuto();
    ExpectWindow(640, 360, false);

    // No monitor: a small window, and nothing to toggle to.
    StartOn(std::nullopt, {});
    ExpectWindow(640, 360, false);
    const int changes = video_->WindowChanges();
    GameData::ToggleFullScreenAuto();
    EXPECT_EQ(video_->WindowChanges(), changes);
}

TEST_F(GameDataTest, VolumesClamp)
{
    GameData::Init();
    GameData::SetSFXVolume(150);
    GameData::SetBGMVolume(-5);
    EXPECT_EQ(std::pair(GameData::options->sfxVolume, GameData::options->bgmVolume), std::pair(100, 0));
    EXPECT_FLOAT_EQ(AudioManager::GetSFXChannelInfo(0)->maxVolume, 1.0f);
    EXPECT_FLOAT_EQ(AudioManager::GetBGMInfo().maxVolume, 0.0f);
    GameData::SetBGMVolume(35);
    EXPECT_FLOAT_EQ(AudioManager::GetBGMInfo().maxVolume, 0.35f);
}

// Two locks reached in one update are announced in two consecutive updates; locks that
// are open when the game starts are never announced.
TEST_F(GameDataTest, LocksAreAnnouncedOnePerUpdateAndNeverWhenOpenAtStart)
{
    GameData::Init();
    EXPECT_EQ(GameData::locksToWatch.size(), 5u);  // three characters, two worlds
    GameData::CheckActiveLocks();
    EXPECT_TRUE(hooks_.unlocks.empty());

    GameData::stats->SetItemUses(1, 7, 30);         // GRAVO KNAPP
    GameData::stats->GetModeStats(1)->matches = 1;  // The Lost Tombs
    GameData::CheckActiveLocks();
    EXPECT_EQ(hooks_.unlocks, (std::vector<String>{U"GRAVO KNAPP"}));
    GameData::CheckActiveLocks();
    EXPECT_EQ(hooks_.unlocks, (std::vector<String>{U"GRAVO KNAPP", U"THE LOST TOMBS"}));
    GameData::CheckActiveLocks();
    EXPECT_EQ(std::pair(hooks_.unlocks.size(), GameData::locksToWatch.size()), std::pair(2ul, 3ul));

    GameData::stats->SetItemUses(2, 3, 25);  // OSKA VEYL, open by the next start
    playerconfig::SaveUserData();
    Restart();
    hooks_.unlocks.clear();
    EXPECT_EQ(GameData::locksToWatch.size(), 2u);  // NELLA PIP and the last world
    for (int update = 0; update < 5; ++update) GameData::CheckActiveLocks();
    EXPECT_TRUE(hooks_.unlocks.empty());
}

TEST_F(GameDataTest, ModesWorldsAndTheAttractMode)
{
    GameData::Init();
    EXPECT_EQ(std::pair(GameData::Is2PMode(), GameData::GetCurrentGameType()), std::pair(false, -1));
    GameData::SetGameMode(2);
    EXPECT_EQ(std::pair(GameData::Is2PMode(), GameData::GetCurrentGameType()), std::pair(true, kGameKindIdolRace));
    GameData::SetGameMode(9);
    EXPECT_EQ(GameData::GetCurGameMode(), -1);
    EXPECT_EQ(GameData::GetGameModeName(7), U"???");

    EXPECT_EQ(GameData::WorldAssetPath(U"tiles.png"), U"tiles.png");
    GameData::ResetPlayerInfo();
    EXPECT_EQ(GameData::GetCurrentWorldId(), 2);
    EXPECT_EQ(GameData::WorldAssetPath(U"tiles.png"), U"worlds/world2/tiles.png");
    GameData::SetCurrentWorldByIndex(99);
    EXPECT_EQ(GameData::GetCurrentWorldId(), 3);
    GameData::SetCurrentWorldByIndex(-4);
    EXPECT_EQ(GameData::GetCurrentWorldIndex(), 0);
    EXPECT_EQ(GameData::GetWorldIndexById(0), 2);

    // Attract matches alternate modes 1 and 2; leaving keeps the last.
    std::vector<int> modes;
    for (int match = 0; match < 3; ++match) {
        GameData::SetDemo(true);
        modes.push_back(GameData::GetCurGameMode());
    }
    EXPECT_EQ(modes, (std::vector<int>{1, 2, 1}));
    EXPECT_TRUE(GameData::IsDemoMode2());
    GameData::SetDemo(false);
    EXPECT_EQ(std::pair(GameData::IsDemoMode2(), GameData::GetCurGameMode()), std::pair(false, 1));
}

}  // namespace
}  // namespace zelka
