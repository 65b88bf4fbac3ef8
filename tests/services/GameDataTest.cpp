#include "services/data/GameData.h"

#include "GameDataFixture.h"
#include "services/config/GlobalOptions.h"
#include "services/data/ContentLock.h"
#include "services/input/InputHardware.h"
#include "services/player/PlayerStats.h"
#include "services/settings/GameMode.h"
#include "services/settings/GameWorld.h"

namespace zelka {
namespace {

using GameDataTest = GameDataFixture;

struct ModeSize {
    int w, h;
    bool windowedOnly;
    bool operator==(const ModeSize&) const = default;
};

std::vector<ModeSize> Modes()
{
    std::vector<ModeSize> modes;
    for (const VideoMode_& m : GameData::videoModes) modes.push_back({m.width, m.height, m.windowedOnly});
    return modes;
}

TEST_F(GameDataTest, InitBuildsModesWorldsPlayersAndDevices)
{
    GameData::Init();
    ASSERT_EQ(GameData::GetTotalGameModes(), 4);
    const int ids[] = {1, 2, 0, 3};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(GameData::GetGameModeEntryByIndex(i)->GetId(), ids[i]);
    EXPECT_EQ(GameData::GetGameModeName(2), U"RACE FOR THE IDOL ");
    EXPECT_EQ(GameData::GetGameModeShortName(0), U"1P MODE");
    EXPECT_EQ(GameData::GetGameModeName(7), U"???");
    EXPECT_EQ(GameData::stats->GetTotalModes(), 4);

    ASSERT_EQ(GameData::GetTotalWorlds(), 4);
    EXPECT_EQ(GameData::GetWorldName(0), U"The Grand Gallery");
    EXPECT_EQ(GameData::GetWorldFlags(1), kWorldIce);
    EXPECT_EQ(GameData::GetWorldLock(2)->GetCount(), 1);
    EXPECT_EQ(GameData::GetWorldLock(3)->GetCount(), 3);
    EXPECT_FALSE(GameData::GetWorldLock(0));

    EXPECT_EQ(GameData::player1->GetPlayerNumber(), 1);
    EXPECT_EQ(GameData::player2->color.b, 220);
    EXPECT_EQ(AudioManager::GetSFXChannels(), 5);

    // Pad 1 failed to open: the numbering keeps its gap.
    ASSERT_EQ(GameData::inputHwList.size(), 3u);
    EXPECT_EQ(GameData::inputHwList[0]->GetName(), U"JOYSTICK 1");
    EXPECT_EQ(GameData::inputHwList[1]->GetName(), U"JOYSTICK 3");
    EXPECT_EQ(GameData::inputHwList[2]->GetName(), U"KEYBOARD");

    // With no settings file the game starts full screen at the desktop size.
    EXPECT_TRUE(video_->IsFullscreen());
    EXPECT_EQ(video_->DeviceWidth(), 1920);
    EXPECT_EQ(video_->SwapInterval(), 1);
    EXPECT_FLOAT_EQ(AudioManager::GetBGMInfo().maxVolume, 0.5f);
    EXPECT_FLOAT_EQ(AudioManager::GetSFXChannelInfo(4)->maxVolume, 0.8f);
}

TEST_F(GameDataTest, SecondInitChangesNothing)
{
    GameData::Init();
    Ref<InputHardware> keyboard = GameData::inputHwList.back();
    GameData::stats->AddItemUse(1, 0);
    GameData::Init();
    EXPECT_EQ(GameData::inputHwList.back(), keyboard);
    EXPECT_EQ(GameData::stats->GetItemUses(1, 0), 1);
}

TEST_F(GameDataTest, VideoModesAreDistinctAndEndWithWindowedOnes)
{
    GameData::Init();
    EXPECT_EQ(Modes(), (std::vector<ModeSize>{{1920, 1080, false}, {1280, 1024, false},
                                              {800, 600, false}, {640, 360, true},
                                              {1280, 720, true}}));
}

TEST_F(GameDataTest, DesktopMissingFromTheListIsAdded)
{
    UseDesktop(DisplayMode{2560, 1440}, {{1920, 1080}});
    GameData::Init();
    EXPECT_EQ(Modes(), (std::vector<ModeSize>{{1920, 1080, false}, {2560, 1440, false},
                                              {640, 360, true}, {1280, 720, true}}));
}

TEST_F(GameDataTest, ToggleGoesTo1280x720AndBack)
{
    GameData::Init();
    GameData::ToggleFullScreenAuto();
    EXPECT_FALSE(video_->IsFullscreen());
    EXPECT_EQ(video_->DeviceWidth(), 1280);
    EXPECT_EQ(video_->DeviceHeight(), 720);
    EXPECT_FALSE(GameData::options->fullscreen);
    EXPECT_EQ(GameData::GetCurrentVideoModeIndex(), GameData::FindVideoMode(1280, 720));

    GameData::ToggleFullScreenAuto();
    EXPECT_TRUE(video_->IsFullscreen());
    EXPECT_EQ(video_->DeviceWidth(), 1920);
    EXPECT_EQ(GameData::options->screenWidth, 1920);
}

TEST_F(GameDataTest, SmallDesktopTogglesTo640x360)
{
    UseDesktop(DisplayMode{1280, 720}, {{1280, 720}});
    GameData::Init();
    ASSERT_TRUE(video_->IsFullscreen());
    GameData::ToggleFullScreenAuto();
    EXPECT_FALSE(video_->IsFullscreen());
    EXPECT_EQ(video_->DeviceWidth(), 640);
    EXPECT_EQ(video_->DeviceHeight(), 360);
}

TEST_F(GameDataTest, WindowedOnlyModeIsNeverFullScreen)
{
    GameData::Init();
    GameData::ChangeVideoMode(GameData::FindVideoMode(640, 360), true);
    EXPECT_FALSE(video_->IsFullscreen());
    EXPECT_FALSE(GameData::options->fullscreen);
    EXPECT_EQ(GameData::options->screenWidth, 640);

    GameData::SetToWindow(1000, 500);  // not in the list: a window of that size directly
    EXPECT_EQ(video_->DeviceWidth(), 1000);
    EXPECT_EQ(GameData::options->screenHeight, 500);
    EXPECT_EQ(GameData::GetCurrentVideoModeIndex(), -1);
}

TEST_F(GameDataTest, NoDesktopFallsBackToASmallWindow)
{
    UseDesktop(std::nullopt, {});
    GameData::Init();
    EXPECT_FALSE(video_->IsFullscreen());
    EXPECT_EQ(video_->DeviceWidth(), 640);
    EXPECT_EQ(video_->DeviceHeight(), 360);
    int changes = video_->WindowChanges();
    GameData::ToggleFullScreenAuto();  // nothing to toggle to
    EXPECT_EQ(video_->WindowChanges(), changes);
}

TEST_F(GameDataTest, VolumesClamp)
{
    GameData::Init();
    GameData::SetSFXVolume(150);
    EXPECT_EQ(GameData::options->sfxVolume, 100);
    EXPECT_FLOAT_EQ(AudioManager::GetSFXChannelInfo(0)->maxVolume, 1.0f);
    GameData::SetBGMVolume(-5);
    EXPECT_EQ(GameData::options->bgmVolume, 0);
    EXPECT_FLOAT_EQ(AudioManager::GetBGMInfo().maxVolume, 0.0f);
    GameData::SetBGMVolume(35);
    EXPECT_FLOAT_EQ(AudioManager::GetBGMInfo().maxVolume, 0.35f);
}

TEST_F(GameDataTest, LocksReachedTogetherAreAnnouncedOnePerUpdate)
{
    GameData::Init();
    EXPECT_EQ(GameData::locksToWatch.size(), 5u);  // three characters, two worlds
    GameData::CheckActiveLocks();
    EXPECT_TRUE(hooks_.unlocks.empty());

    GameData::stats->SetItemUses(1, 7, 30);        // GRAVO KNAPP
    GameData::stats->GetModeStats(1)->matches = 1; // The Lost Tombs
    GameData::CheckActiveLocks();
    EXPECT_EQ(hooks_.unlocks, (std::vector<String>{U"GRAVO KNAPP"}));
    GameData::CheckActiveLocks();
    EXPECT_EQ(hooks_.unlocks, (std::vector<String>{U"GRAVO KNAPP", U"THE LOST TOMBS"}));
    GameData::CheckActiveLocks();
    EXPECT_EQ(hooks_.unlocks.size(), 2u);
    EXPECT_EQ(GameData::locksToWatch.size(), 3u);
}

TEST_F(GameDataTest, LocksOpenAtStartAreNeverAnnounced)
{
    GameData::Init();
    GameData::stats->GetModeStats(0)->matches = 3;
    GameData::stats->SetItemUses(2, 3, 25);
    playerconfig::SaveUserData();

    Restart();
    ASSERT_EQ(GameData::stats->GetTotalMatches(), 3);
    EXPECT_EQ(GameData::locksToWatch.size(), 2u);  // GRAVO KNAPP and NELLA PIP
    for (int update = 0; update < 5; ++update) GameData::CheckActiveLocks();
    EXPECT_TRUE(hooks_.unlocks.empty());
}

TEST_F(GameDataTest, DemoModesAlternate)
{
    GameData::Init();
    GameData::SetDemo(true);
    EXPECT_EQ(GameData::GetCurGameMode(), 1);
    GameData::SetDemo(true);
    EXPECT_EQ(GameData::GetCurGameMode(), 2);
    GameData::SetDemo(true);
    EXPECT_EQ(GameData::GetCurGameMode(), 1);
    EXPECT_TRUE(GameData::IsDemoMode2());
    GameData::SetDemo(false);
    EXPECT_FALSE(GameData::IsDemoMode2());
    EXPECT_EQ(GameData::GetCurGameMode(), 1);
}

TEST_F(GameDataTest, ModesAndWorldsSelection)
{
    GameData::Init();
    EXPECT_FALSE(GameData::Is2PMode());
    EXPECT_EQ(GameData::GetCurrentGameType(), -1);
    GameData::SetGameMode(2);
    EXPECT_TRUE(GameData::Is2PMode());
    EXPECT_EQ(GameData::GetCurrentGameType(), kGameKindIdolRace);
    GameData::SetGameMode(9);
    EXPECT_EQ(GameData::GetCurGameMode(), -1);

    EXPECT_EQ(GameData::WorldAssetPath(U"tiles.png"), U"tiles.png");
    GameData::ResetPlayerInfo();
    EXPECT_EQ(GameData::GetCurrentWorldId(), 2);
    EXPECT_EQ(GameData::WorldAssetPath(U"tiles.png"), U"worlds/world2/tiles.png");
    GameData::SetCurrentWorldByIndex(99);
    EXPECT_EQ(GameData::GetCurrentWorldId(), 3);
    GameData::SetCurrentWorldByIndex(-4);
    EXPECT_EQ(GameData::GetCurrentWorldIndex(), 0);
    EXPECT_EQ(GameData::GetWorldIndexById(0), 2);
}

}  // namespace
}  // namespace zelka
