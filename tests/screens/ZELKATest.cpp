#include "screens/app/ZELKA.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/EventManager.h"
#include "engine/core/Random.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/stage/ExtendedStage.h"
#include "platform/clock/null/FakeClock.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "screens/app/AppServices.h"
#include "screens/app/PlayerEventData.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameMode.h"
#include "tests/screens/AppDriver.h"
#include "tests/services/MediaFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace zelka {
namespace {

constexpr int kUnknown = 42;
constexpr int kEventInputMode = 1010;

using Log = std::vector<std::string>;

class RecordingMusic final : public StageMusic {
public:
    void FadeOut(int ms) override { log.push_back("fade " + std::to_string(ms)); }
    void Restart(int track) override { log.push_back("restart " + std::to_string(track)); }
    Log log;
};

// A stage that counts its updates.
template <typename Base>
class Counting final : public Base {
public:
    Counting() : Base(0) {}
    void Update(int ms) override
    {
        ++updates;
        Base::Update(ms);
    }
    int updates = 0;
};
using CountingStage = Counting<Stage>;
using CountingExtendedStage = Counting<ExtendedStage>;

// Source, identifier and player (for player events) of every event heard.
using Events = std::vector<std::tuple<Object*, int, PlayerData*>>;
class EventRecorder final : public EventListener {
public:
    void HandleEvent(Object* source, int id, Object* data) override
    {
        auto* player = dynamic_cast<PlayerEventData*>(data);
        events.emplace_back(source, id, player != nullptr ? player->player.get() : nullptr);
    }
    Events events;
};

}  // namespace

class ZELKATest : public AppDriver<MediaFixture> {
protected:
    void SetUp() override
    {
        AppDriver::SetUp();
        app->SetMusic(music);
        app->SetFullScreenToggle([this] { ++toggles; });
        for (int id = kStageMatch; id <= kStageIntro2; ++id) {
            app->SetStageBuilder(id, [this, id] { return MakeStage(id); });
        }
    }

    Ref<Stage> MakeStage(int id)
    {
        created.push_back(id);
        if (id == kStageMatch || id == kStageCharSelect || id == kStageTitle) {
            lastExtended = std::make_shared<CountingExtendedStage>();
            return lastExtended;
        }
        lastPlain = std::make_shared<CountingStage>();
        return lastPlain;
    }

    void Key(int type, int code) { keys_->KeyEvent(type, code); }

    // The transition state in the frame `seconds` later.
    int StateAfter(double seconds)
    {
        clock.Advance(seconds);
        Frame();
        return app->GetTransitionState();
    }
    // How often the plain stage ran in the next update.
    int StageUpdates()
    {
        const int before = lastPlain->updates;
        Update();
        return lastPlain->updates - before;
    }

    // Frames and updates of 16 ms until the stage `id` has started its incoming transition.
    void RunUntilArriving(int id)
    {
        for (int i = 0; i < 500; ++i) {
            if (app->GetCurrentStageId() == id && app->GetTransitionState() == kTransitionIn) {
                return;
            }
            Frame();
            Update();
        }
        FAIL() << "stage " << id << " never arrived";
    }

    // A whole switch: out, load, stability, in, until the stage runs.
    void SwitchTo(int id)
    {
        app->GoToStage(id);
        Arrive(id);
    }
    void Arrive(int id)
    {
        RunUntilArriving(id);
        for (int i = 0; i < 500 && app->GetTransitionState() != kTransitionNone; ++i) {
            Frame();
            clock.Advance(0.016);
        }
        ASSERT_EQ(app->GetTransitionState(), kTransitionNone);
    }

    void Start()
    {
        app->OnCreate();
        RunUntilArriving(kStageIntro);
        Frame();  // the first intro has no incoming transition
        ASSERT_EQ(app->GetTransitionState(), kTransitionNone);
    }

    Ref<RecordingMusic> music = std::make_shared<RecordingMusic>();
    int toggles = 0;
    std::vector<int> created;
    Ref<CountingStage> lastPlain;
    Ref<CountingExtendedStage> lastExtended;
};

TEST_F(ZELKATest, OnCreateFixesRateAndScreenThenGoesToTheFirstIntro)
{
    app->OnCreate();
    EXPECT_EQ(Game::GetGameFPS(), 60);
    EXPECT_EQ(Game::GetUpdateInterval(), 16);
    EXPECT_TRUE(Texture::encryptionEnabled);
    EXPECT_FLOAT_EQ(Game::screenSize.x, 640.0f);
    EXPECT_FLOAT_EQ(Game::screenSize.y, 360.0f);
    EXPECT_EQ(app->GetNextStageId(), kStageIntro);
    EXPECT_TRUE(EventManager::mute);
    Frame();  // leaving no stage covers nothing: no diamonds hold the first intro back
    EXPECT_EQ(app->GetTransitionState(), kTransitionNone);
    Update();  // the switch
    EXPECT_EQ(app->GetStabilityCountdown(), 20);
    EXPECT_TRUE(music->log.empty());  // nothing to fade when leaving no stage
    // The window's size reaches the game's scale and offset; a minimised one keeps them.
    app->ApplyLetterbox(1280, 1024);
    app->ApplyLetterbox(0, 0);
    EXPECT_FLOAT_EQ(Game::globalScale.x, 2.0f);
    EXPECT_FLOAT_EQ(Game::globalOffset.y, 152.0f);
}

TEST_F(ZELKATest, TransitionsByStageWithTheirLengthsAndMute)
{
    auto recorder = std::make_shared<EventRecorder>();
    EventManager::RegisterListener(recorder, nullptr, kEventAnyId, true);
    Start();
    EXPECT_FALSE(EventManager::mute);

    // Leaving the first intro draws nothing, whatever the extra wait.
    app->GoToStageWithWaitTime(kStageIntro2, 3000);
    EXPECT_EQ(app->GetExtraWait(), 3000);
    EXPECT_TRUE(EventManager::mute);
    EXPECT_EQ(StateAfter(0), kTransitionNone);

    // The second intro fades in over 1200 ms; events sent meanwhile are lost.
    RunUntilArriving(kStageIntro2);
    EXPECT_EQ(StateAfter(0), kTransitionIn);
    EventManager::SendEvent(app.get(), 1);
    EXPECT_EQ(StateAfter(1.199), kTransitionIn);
    EXPECT_TRUE(EventManager::mute);
    EXPECT_EQ(StateAfter(0.001), kTransitionNone);
    EXPECT_FALSE(EventManager::mute);
    EventManager::SendEvent(app.get(), 2);
    EXPECT_EQ(recorder->events, (Events{{app.get(), 2, nullptr}}));

    // Leaving it fades out over 1200 ms but lasts the extra wait.
    app->GoToStageWithWaitTime(kStageTitle, 2000);
    Frame();
    EXPECT_EQ(StateAfter(1.3), kTransitionOut);
    EXPECT_EQ(StateAfter(0.7), kTransitionNone);

    // The title uses the 500 ms diamonds.
    RunUntilArriving(kStageTitle);
    EXPECT_EQ(StateAfter(0.499), kTransitionIn);
    EXPECT_GT(device.Count(DeviceOp::DrawPoly), 0);
    EXPECT_EQ(StateAfter(0.001), kTransitionNone);
    EXPECT_FALSE(EventManager::mute);

    // Going on plainly: diamonds out for 500 ms, no extra wait.
    app->GoToStage(kStageCredits);
    EXPECT_EQ(app->GetExtraWait(), 0);
    EXPECT_EQ(StateAfter(0.499), kTransitionOut);
    EXPECT_EQ(StateAfter(0.001), kTransitionNone);
}

TEST_F(ZELKATest, MusicFadesOnLeavingAndEachStageStartsItsTrack)
{
    Start();
    EXPECT_EQ(music->log, (Log{"restart -99"}));  // the intro stops the music: no track
    music->log.clear();

    SwitchTo(kStageCharSelect);
    GameData::currentWorldNdx = -1;
    SwitchTo(kStageMatch);        // no world chosen: character select's track
    SwitchTo(kStageResults);      // keeps the match's music: neither a fade nor a restart
    GameData::SetCurrentWorldByIndex(GameData::GetWorldIndexById(3));
    SwitchTo(kStageMatch);
    SwitchTo(kStageCredits);
    SwitchTo(kStageTitle);
    SwitchTo(kStageIntro2);
    EXPECT_EQ(music->log, (Log{"fade 500", "restart 1", "fade 500", "restart 1", "fade 500",
                               "restart 5", "fade 500", "restart 10", "fade 500", "restart 0",
                               "fade 500", "restart -99"}));
}

TEST_F(ZELKATest, CreateStageReseedsInitialisesAndSavesBeforeBuilding)
{
    bool savedFirst = false;
    bool initialised = false;
    uint32_t seed = 0;
    int clockMs = 0;
    app->SetStageBuilder(kStageIntro, [&] {
        savedFirst = std::filesystem::exists("savedata/save.dat");
        initialised = GameData::IsInitialized();
        seed = random::Seed;
        clockMs = app->Millisecs();
        return MakeStage(kStageIntro);
    });
    ASSERT_FALSE(std::filesystem::exists("savedata/save.dat"));
    Start();
    EXPECT_TRUE(savedFirst && initialised);
    EXPECT_EQ(seed, static_cast<uint32_t>(clockMs));
    EXPECT_GT(clockMs, 10000);
}

TEST_F(ZELKATest, TitleResetsTheSessionWithoutReachingTheOldStage)
{
    Start();
    SwitchTo(kStageCharSelect);
    const Ref<CountingExtendedStage> old = lastExtended;
    ASSERT_TRUE(old->GetSettingsPanel());
    GameData::SetGameMode(1);
    GameData::SetDemo(true);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
    hooks_.notified.clear();

    bool modeCleared = false;
    bool demoOff = false;
    bool deviceCleared = false;
    app->SetStageBuilder(kStageTitle, [&] {
        modeCleared = GameData::curGameMode == -1;
        demoOff = !GameData::isDemoMode;
        deviceCleared = !GameData::player2->GetInputMapping();
        // During creation the current stage counts as none.
        EXPECT_EQ(ZELKA::CurrentExtendedStage(), nullptr);
        ZELKA::RaiseSettingsPanel();
        ZELKA::RaiseCfgConflictPanel();
        ZELKA::RaiseInputCfgPanel(nullptr);
        return MakeStage(kStageTitle);
    });
    SwitchTo(kStageTitle);
    EXPECT_TRUE(modeCleared && demoOff && deviceCleared) << modeCleared << demoOff << deviceCleared;
    EXPECT_TRUE(hooks_.notified.empty());  // a direct clear: no notice
    for (const Ref<GDO>& panel : {old->GetSettingsPanel(), old->GetConflictPanel(), old->GetInputConfigPanel()}) {
        EXPECT_FALSE(panel->IsVisible());
    }
    EXPECT_EQ(GameData::GetCurrentWorldId(), 2);  // ResetPlayerInfo
}

TEST_F(ZELKATest, UnknownStageGivesNoStageAndDoesNotStayMuted)
{
    Start();
    app->GoToStage(kUnknown);
    EXPECT_TRUE(EventManager::mute);
    Frame();  // leaving the first intro: at once
    Update();
    EXPECT_EQ(app->GetCurrentStage(), nullptr);
    EXPECT_EQ(app->GetCurrentStageId(), kUnknown);
    EXPECT_FALSE(EventManager::mute);
    for (int i = 0; i < 30; ++i) {  // a game without a stage keeps running
        Frame();
        Update();
    }
    EXPECT_EQ(app->GetCurrentStage(), nullptr);
    EXPECT_FALSE(EventManager::mute);
}

TEST_F(ZELKATest, AltEnterTogglesOncePerPressAndReleaseSkipsTwoUpdatesAndWaitsForSettings)
{
    Start();
    ASSERT_TRUE(lastPlain);
    Key(kEventKeyDown, kKeyLeftAlt);
    EXPECT_EQ(StageUpdates(), 1);
    Key(kEventKeyDown, kKeyEnter);
    EXPECT_EQ(StageUpdates(), 0);  // Enter hit: taken by the toggle
    EXPECT_EQ(StageUpdates(), 1);   // both held: the game runs
    Key(kEventKeyUp, kKeyEnter);
    EXPECT_EQ(StageUpdates(), 1);
    EXPECT_EQ(toggles, 0);
    Key(kEventKeyUp, kKeyLeftAlt);
    EXPECT_EQ(StageUpdates(), 0);  // both released: toggle, no game update
    EXPECT_EQ(toggles, 1);
    EXPECT_EQ(StageUpdates(), 1);
    EXPECT_EQ(toggles, 1);

    // Not while the settings panel is open (it has a full-screen row of its own).
    SwitchTo(kStageTitle);
    ZELKA::RaiseSettingsPanel();
    ASSERT_TRUE(lastExtended->IsSettingsMenuOpen());
    for (int round = 0; round < 2; ++round) {
        Key(kEventKeyDown, kKeyRightAlt);
        Key(kEventKeyDown, kKeyEnter);
        Update();
        Key(kEventKeyUp, kKeyEnter);
        Key(kEventKeyUp, kKeyRightAlt);
        Update();
        EXPECT_EQ(toggles, 1 + round) << round;  // blocked, then allowed once it is closed
        lastExtended->GetSettingsPanel()->visible = false;
        lastExtended->GetSettingsPanel()->enabled = false;
    }
}

TEST_F(ZELKATest, FocusLossPausesOnlyARunningStageWithAPlayerOnADevice)
{
    Start();
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    app->GoToStage(kStageTitle);
    Frame();
    Update();  // created, overlay not built yet: nothing opens
    ASSERT_EQ(app->GetCurrentStageId(), kStageTitle);
    app->OnSuspend();
    ZELKA::RaiseSettingsPanel();
    ZELKA::ShowPlayerNotification(1, nullptr);
    EXPECT_EQ(lastExtended->GetPausePanel(), nullptr);
    Update();  // overlay built; the pause panel starts closed
    EXPECT_FALSE(lastExtended->GetPausePanel()->IsVisible());
    Arrive(kStageTitle);

    GameData::player1->ClearInputMapping();
    Key(kEventKeyDown, kKeyLeftAlt);
    Key(kEventKeyDown, kKeyEnter);
    Update();
    ASSERT_EQ(app->GetAltEnter().RememberedAlt(), kKeyLeftAlt);
    app->OnSuspend();  // the key-ups will go to another window
    EXPECT_FALSE(input::KeyDown(kKeyLeftAlt));
    EXPECT_FALSE(input::KeyDown(kKeyEnter));
    EXPECT_EQ(app->GetAltEnter().RememberedAlt(), -1);
    EXPECT_FALSE(lastExtended->GetPausePanel()->IsVisible());  // player 1 has no device
    Key(kEventKeyDown, kKeyEnter);  // a later Enter is an Enter again
    Update();
    EXPECT_EQ(app->GetAltEnter().RememberedAlt(), -1);
    EXPECT_EQ(toggles, 0);
    Key(kEventKeyUp, kKeyEnter);

    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    app->OnSuspend();
    app->OnResume();
    const Ref<GDO> pause = lastExtended->GetPausePanel();
    ASSERT_TRUE(pause->IsVisible());
    // Escape while it still unfolds is ignored; once open it closes it, so the game goes on.
    for (int round = 0; round < 2; ++round) {
        Key(kEventKeyDown, kKeyEscape);
        Update();
        Key(kEventKeyUp, kKeyEscape);
        for (int i = 0; i < 60; ++i) Update();
        EXPECT_EQ(pause->IsVisible(), round == 0) << round;
    }
}

// Which player's controls the input-config panel shows is driven through its callers in
// WholeGameTest and CfgConflictMenuTest.

// Event 1010 and the device icon wait for an extended stage (none while the first stage
// is made); then each notice shows its player's icon and sends the event once.
TEST_F(ZELKATest, NotifyPlayerInputModeShowsTheIconAndSendsEvent1010)
{
    std::vector<const PlayerData*> iconsFor;
    app->SetDeviceIconMaker([&](const PlayerData* player) {
        iconsFor.push_back(player);
        return GDO::New();
    });
    auto recorder = std::make_shared<EventRecorder>();
    EventManager::RegisterListener(recorder, nullptr, kEventInputMode, true);
    ZELKA::NotifyPlayerInputMode(1);   // no stage yet
    EXPECT_TRUE(iconsFor.empty());
    EXPECT_TRUE(recorder->events.empty());

    Start();
    SwitchTo(kStageTitle);
    ZELKA::NotifyPlayerInputMode(2);
    ZELKA::NotifyPlayerInputMode(1);
    PlayerData* const one = GameData::player1.get();
    PlayerData* const two = GameData::player2.get();
    EXPECT_EQ(iconsFor, (std::vector<const PlayerData*>{two, one}));
    EXPECT_EQ(recorder->events, (Events{{app.get(), kEventInputMode, two}, {app.get(), kEventInputMode, one}}));

    // Resetting a player's controls through the game's hooks sends it once.
    AppGameDataHooks appHooks;
    GameData::SetHooks(&appHooks);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    recorder->events.clear();
    GameData::ResetDeviceSettings(1);
    GameData::SetHooks(&hooks_);
    EXPECT_EQ(recorder->events, (Events{{app.get(), kEventInputMode, one}}));
}

TEST_F(ZELKATest, StartGameWithModeKeepsPlayerTwoOnlyInTwoPlayerModes)
{
    Start();
    for (const auto& [mode, keeps] : {std::pair{1, true}, std::pair{0, false},
                                      std::pair{9, false}}) {
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
        app->StartGameWithMode(mode);
        EXPECT_EQ(GameData::curGameMode, mode == 9 ? -1 : mode);
        EXPECT_EQ(GameData::player2->GetInputMapping() != nullptr, keeps) << mode;
        EXPECT_EQ(app->GetNextStageId(), kStageCharSelect);
    }
}

TEST_F(ZELKATest, CloseSavesBothFilesAndExitsWithZero)
{
    GameData::Init();
    EXPECT_EXIT(app->Close(), ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(std::filesystem::exists("savedata/settings.dat"));
    EXPECT_TRUE(std::filesystem::exists("savedata/save.dat"));
    std::filesystem::remove_all("savedata");
    EXPECT_EXIT(app->OnClose(), ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(std::filesystem::exists("savedata/settings.dat"));
}

}  // namespace zelka
