#include "screens/app/ZELKA.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/EventManager.h"
#include "engine/core/Random.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/stage/ExtendedStage.h"
#include "engine/stage/Stage.h"
#include "engine/text/Font.h"
#include "match/stage/ZELKAStage.h"
#include "platform/app/App.h"
#include "platform/host/Trace.h"
#include "platform/input/InputDevice.h"
#include "services/config/GlobalOptions.h"
#include "services/config/PlayerConfig.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameMode.h"
#include "services/settings/StageSettings.h"
#include "screens/app/AppConstants.h"
#include "screens/app/AppServices.h"
#include "screens/app/DeviceIcon.h"
#include "screens/app/HostAccess.h"
#include "screens/app/PlayerEventData.h"
#include "screens/app/StageTransitions.h"
#include "screens/charsel/CharSelStage.h"
#include "screens/credits/CreditsStage.h"
#include "screens/intro/IntroStage.h"
#include "screens/intro/IntroStage2.h"
#include "screens/results/ResultStage.h"
#include "screens/title/TitleStage.h"

#include <cmath>

namespace zelka {

namespace {

// The framework's key state.
class FrameworkKeys final : public KeyStateSource {
public:
    bool KeyDown(int code) const override { return input::KeyDown(code); }
    int KeyHit(int code) const override { return input::KeyHit(code); }
};

const FrameworkKeys frameworkKeys;

constexpr int kPresetDefault = 0;     // match-settings preset the title selects
constexpr int kSwapEveryFrame = 1;    // one buffer swap per display refresh

bool FullScreenOption()
{
    return GameData::options && GameData::options->fullscreen;
}

Ref<PlayerData> PlayerByNumber(int player)
{
    return player == kOverlayPlayer1 ? GameData::player1 : GameData::player2;
}

}  // namespace

ZELKA::ZELKA()
    : Game(kAppUpdateRate, -1, -1),
      keys_(&frameworkKeys),
      music_(NewSoundManagerMusic()),
      toggleFullScreen_([] { GameData::ToggleFullScreenAuto(); }),
      iconMaker_(&NewPlayerDeviceIcon)
{
    for (int id = kStageMatch; id <= kStageIntro2; ++id) {
        builders_[id] = DefaultStageBuilder(id);
    }
}

ZELKA::StageBuilder ZELKA::DefaultStageBuilder(int id)
{
    switch (id) {
    case kStageMatch:
        return [] {
            return ZELKAStage::New(GameData::gameSettings ? GameData::gameSettings->GetTime() : 0);
        };
    case kStageCharSelect: return [] { return CharSelStage::New(); };
    case kStageTitle: return [] { return TitleStage::New(); };
    case kStageResults: return [] { return ResultStage::New(); };
    case kStageIntro: return [] { return IntroStage::New(); };
    case kStageCredits: return [] { return CreditsStage::New(); };
    case kStageIntro2: return [] { return IntroStage2::New(); };
    default: return {};  // no such screen: the game keeps running without a stage
    }
}

ZELKA::~ZELKA() = default;

ZELKA* ZELKA::New()
{
    InstallAppServices();
    return new ZELKA();
}

ZELKA* ZELKA::Current()
{
    return dynamic_cast<ZELKA*>(Game::GetCurrentGame());
}

// ---- Framework hooks ----

int ZELKA::OnCreate()
{
    Game::OnCreate();  // audio manager, update rate
    SetStabilityTestFrames(kAppStabilityFrames);
    Texture::encryptionEnabled = true;
    AudioManager::encryptionEnabled = true;
    ApplyLetterbox(app::DeviceWidth(), app::DeviceHeight());
    GoToStage(kStageIntro);
    return 0;
}

int ZELKA::OnSuspend()
{
    ForgetHeldKeys();
    ExtendedStage* stage = CurrentExtendedStage();
    if (stage != nullptr && GameData::player1 && GameData::player1->GetInputMapping()) {
        stage->ShowPauseMenu();
    }
    app::ShowMouse();
    return 0;
}

int ZELKA::OnResume()
{
    if (FullScreenOption()) {
        app::HideMouse();
    }
    return 0;
}

// Key-ups that happen while the window has no focus never arrive: a held Alt would stay
// down for ever and turn every later Enter into a full-screen toggle.
void ZELKA::ForgetHeldKeys()
{
    altEnter_.Reset();
    InputDevice* device = input::Device();
    if (device == nullptr) {
        return;
    }
    for (int code = 1; code < kKeyCodeCount; ++code) {
        if (device->KeyDown(code)) {
            device->KeyEvent(kEventKeyUp, code);
        }
    }
}

int ZELKA::OnUpdate()
{
    if (FullScreenOption()) {
        app::HideMouse();
    }
    GameData::UpdateRegisteredHardware();
    ApplyLetterbox(app::DeviceWidth(), app::DeviceHeight());
    hostaccess::SetSwapIntervalNow(kSwapEveryFrame);
    switch (altEnter_.Update(*keys_)) {
    case AltEnterToggle::Step::Run:
        return Game::OnUpdate();
    case AltEnterToggle::Step::Skip:
        return 0;
    case AltEnterToggle::Step::SkipAndToggle:
        if (!SettingsPanelOpen() && toggleFullScreen_) {
            toggleFullScreen_();
        }
        return 0;
    }
    return 0;
}

int ZELKA::OnClose()
{
    Close();
}

void ZELKA::Close()
{
    CloseProc_();
    app::EndApp();
}

void ZELKA::CloseProc_()
{
    playerconfig::SaveUserData();
    playerconfig::SaveGameSettings();
}

// ---- Letterbox ----

void ZELKA::ApplyLetterbox(int width, int height)
{
    letterbox_ = ComputeLetterbox(width, height, letterbox_);
    Game::globalScale.Set(letterbox_.scale, letterbox_.scale);
    Game::globalOffset.Set(letterbox_.offsetX, letterbox_.offsetY);
    Game::screenSize.Set(kVirtualWidth, kVirtualHeight);
}

// ---- Stage switching ----

void ZELKA::GoToStage(int id)
{
    extraWait_ = 0;
    Game::GoToStage(id);
}

void ZELKA::GoToStageWithWaitTime(int id, int ms)
{
    GoToStage(id);
    extraWait_ = ms;
}

void ZELKA::StartGameWithMode(int mode)
{
    const Ref<GameMode> entry = GameData::GetGameMode_(mode);
    GameData::curGameMode = entry ? mode : -1;
    if (!(entry && entry->Is2P()) && GameData::player2) {
        GameData::player2->ClearInputMapping();
    }
    GoToStage(kStageCharSelect);
}

void ZELKA::SetStageBuilder(int id, StageBuilder builder)
{
    builders_[id] = std::move(builder);
}

Ref<Stage> ZELKA::CreateStage(int id)
{
    // The current stage is the old, released one until this returns: the entry points
    // must not reach into it (see CurrentExtendedStage).
    creatingStage_ = true;
    random::Seed = static_cast<uint32_t>(Millisecs());
    for (const Ref<PlayerData>& player : {GameData::player1, GameData::player2}) {
        if (player) {
            player->stageData.reset();
        }
    }
    GameData::Init();
    playerconfig::SaveUserData();
    Ref<Stage> stage = BuildStage(id);
    if (stage) {
        FitRootWindow(*stage);
    } else {
        // No stage means no incoming transition to lift the mute set when leaving.
        EventManager::mute = false;
    }
    creatingStage_ = false;
    return stage;
}

Ref<Stage> ZELKA::BuildStage(int id)
{
    const auto found = builders_.find(id);
    if (found == builders_.end() || !found->second) {
        return nullptr;
    }
    if (id == kStageTitle) {
        PrepareTitle();
    }
    return found->second();
}

void ZELKA::PrepareTitle()
{
    GameData::isDemoMode = false;
    if (GameData::gameSettings) {
        GameData::gameSettings->SelectPreset(kPresetDefault);
    }
    GameData::SetGameMode(-1);
    // A direct clear: no notice, toast or event while the stages change.
    if (GameData::player2) {
        GameData::player2->ClearInputMapping();
    }
    GameData::ResetPlayerInfo();
}

void ZELKA::FitRootWindow(Stage& stage)
{
    const Ref<Window>& root = stage.GetRootWindow();
    if (!root) {
        return;
    }
    if (root->GetWidth() != kVirtualWidth || root->GetHeight() != kVirtualHeight) {
        root->SetSize(kVirtualWidth, kVirtualHeight);
    }
    root->SetViewX(kVirtualWidth * 0.5f);
    root->SetViewY(kVirtualHeight * 0.5f);
}

void ZELKA::OnStartTransition(int kind, int id)
{
    transitionStart_ = Millisecs();
    trace::Line(kind == kTransitionOut ? "leaving for stage %d" : "stage %d on screen", id);
    if (kind == kTransitionOut) {
        EventManager::mute = true;
        if (GetCurrentStageId() == kNoStageId) {
            return;
        }
        if (id != kStageResults) {
            music_->FadeOut(kMusicFadeOutMs);
        }
        return;
    }
    const int track = SoundManager::GetBGMForGameStage(GetCurrentStageId(),
                                                       GameData::GetCurrentWorldId());
    if (track != kBGMKeepPlaying) {
        music_->Restart(track);
    }
}

int ZELKA::TransitionElapsed() const
{
    return Millisecs() - transitionStart_;
}

bool ZELKA::OnTransitionOutRender()
{
    // At start-up there is no stage to cover: diamonds over the empty screen would only
    // hold the first intro back by their 500 ms.
    if (GetCurrentStageId() == kNoStageId) {
        return false;
    }
    const int elapsed = TransitionElapsed();
    const transition::Kind kind = transition::ForStage(GetCurrentStageId());
    if (kind == transition::Kind::None) {
        return false;  // whatever the extra wait
    }
    return transition::Render(kind, elapsed, false, diamond_) || elapsed < extraWait_;
}

bool ZELKA::OnTransitionInRender()
{
    const int elapsed = TransitionElapsed();
    const bool running =
        transition::Render(transition::ForStage(GetCurrentStageId()), elapsed, true, diamond_);
    if (!running) {
        EventManager::mute = false;
        trace::Line("stage %d takes input", GetCurrentStageId());
    }
    return running;
}

void ZELKA::RenderLoadingScreen(int /*progress*/)
{
    if ((GetCurrentStage() && GetCurrentStageId() != kStageIntro) || !GameData::secFont) {
        return;
    }
    same::PushTint();
    same::SetTint(kLoadingTextGrey, kLoadingTextGrey, kLoadingTextGrey);
    GameData::secFont->RenderString(U"LOADING...", static_cast<int>(kLoadingTextX),
                                    static_cast<int>(kLoadingTextY), false, kLoadingTextScale,
                                    kLoadingTextScale);
    same::PopTint();
}

void ZELKA::GameHasBecomeStable()
{
    if (ExtendedStage* stage = CurrentExtendedStage()) {
        stage->FirstStageUpdate();
    }
}

// ---- Static entry points ----

ExtendedStage* ZELKA::CurrentExtendedStage()
{
    Game* game = Game::GetCurrentGame();
    if (game == nullptr) {
        return nullptr;
    }
    if (auto* app = dynamic_cast<ZELKA*>(game); app != nullptr && app->creatingStage_) {
        return nullptr;
    }
    return dynamic_cast<ExtendedStage*>(game->GetCurrentStage().get());
}

bool ZELKA::SettingsPanelOpen() const
{
    const ExtendedStage* stage = CurrentExtendedStage();
    return stage != nullptr && stage->IsSettingsMenuOpen();
}

void ZELKA::RaiseSettingsPanel()
{
    if (ExtendedStage* stage = CurrentExtendedStage()) {
        stage->ShowSettingsPanel();
    }
}

void ZELKA::RaiseCfgConflictPanel()
{
    if (ExtendedStage* stage = CurrentExtendedStage()) {
        stage->ShowConflictMenu();
    }
}

void ZELKA::RaiseInputCfgPanel(const PlayerData* player)
{
    ExtendedStage* stage = CurrentExtendedStage();
    if (stage == nullptr) {
        return;
    }
    int number = kOverlayPlayer2;
    if (player == nullptr || player == GameData::player1.get()) {
        number = kOverlayPlayer1;
    }
    stage->ShowInputConfigPanel(number);
}

void ZELKA::ShowPlayerNotification(int player, Ref<GDO> content)
{
    if (ExtendedStage* stage = CurrentExtendedStage()) {
        stage->SetToastNotification(player == kOverlayPlayer1 ? kOverlayPlayer1 : kOverlayPlayer2,
                                    std::move(content));
    }
}

void ZELKA::NotifyPlayerInputMode(int player)
{
    ZELKA* app = Current();
    // Like the other entry points: nothing while no extended stage is current (a stage
    // being created has no controls panel to hear event 1010).
    if (app == nullptr || CurrentExtendedStage() == nullptr) {
        return;
    }
    const Ref<PlayerData> data = PlayerByNumber(player == kOverlayPlayer1 ? kOverlayPlayer1
                                                                          : kOverlayPlayer2);
    if (app->iconMaker_) {
        ShowPlayerNotification(player, app->iconMaker_(data.get()));
    }
    if (data) {
        PlayerEventData event(data);
        EventManager::SendEvent(app, kEventPlayerInputModeChanged, &event);
    }
}

}  // namespace zelka
