#pragma once

#include "engine/stage/Game.h"
#include "screens/app/AltEnterToggle.h"
#include "screens/app/Letterbox.h"
#include "screens/app/StageMusic.h"

#include <array>
#include <functional>
#include <map>

namespace zelka {

class ExtendedStage;
class GDO;
class PlayerData;

// The game's application object: a Game at 60 updates per second on a letterboxed
// 640 x 360 virtual screen. Each update it polls the input devices, refits the letterbox
// and runs the Alt+Enter full-screen toggle; it maps the seven stage identifiers to
// screens, draws the transitions, picks each stage's music, saves at every stage
// creation and on close, and offers the static entry points through which menus and
// services reach the overlay of the current ExtendedStage.
class ZELKA : public Game {
public:
    // Builds a stage for one identifier; the table starts with the placeholder screens.
    using StageBuilder = std::function<Ref<Stage>()>;
    // The icon of a player's input device (or the "NO DEVICE" icon) for a toast.
    using DeviceIconMaker = std::function<Ref<GDO>(const PlayerData* player)>;

    ZELKA();
    ~ZELKA() override;
    // Installs the audio manager's engine hooks, then creates the one application object
    // (which registers with the host). Lives until the process ends.
    static ZELKA* New();
    static ZELKA* Current();  // null unless the current Game is a ZELKA

    // ---- Framework hooks ----
    int OnCreate() override;
    int OnSuspend() override;
    int OnResume() override;
    int OnUpdate() override;
    // Saves both files and ends the process with status 0.
    [[noreturn]] int OnClose() override;

    // ---- Game hooks ----
    void RenderLoadingScreen(int progress) override;
    bool OnTransitionInRender() override;
    bool OnTransitionOutRender() override;
    Ref<Stage> CreateStage(int id) override;
    void GameHasBecomeStable() override;
    void OnStartTransition(int kind, int id) override;
    void GoToStage(int id) override;

    // The outgoing transition then lasts at least ms.
    void GoToStageWithWaitTime(int id, int ms);
    // Current game mode = mode if listed, else -1; player 2 loses its device unless the
    // mode is a two-player one; then character select.
    void StartGameWithMode(int mode);
    // Saves both files, then ends the process with status 0.
    [[noreturn]] void Close();
    // Saves both files without ending.
    static void CloseProc_();

    // ---- Static entry points: each does nothing unless the current stage exists (not
    // while one is being created) and is an ExtendedStage whose panel or toast exists.
    static void RaiseSettingsPanel();
    static void RaiseCfgConflictPanel();
    // Player 1 or null shows player 1's controls, player 2 player 2's.
    static void RaiseInputCfgPanel(const PlayerData* player);
    static void ShowPlayerNotification(int player, Ref<GDO> content);
    // A toast with the player's device icon, then event 1010 (source: the game, data:
    // a PlayerEventData naming the player).
    static void NotifyPlayerInputMode(int player);
    // The current stage as an ExtendedStage; null while none, while one is being created,
    // or when it is a plain stage.
    static ExtendedStage* CurrentExtendedStage();

    // ---- Letterbox ----
    // Fits the virtual screen into a width x height window (a 0 x 0 one keeps the last fit)
    // and stores it in Game::globalScale, globalOffset and screenSize.
    void ApplyLetterbox(int width, int height);

    // ---- Collaborators (tests replace them) ----
    void SetStageBuilder(int id, StageBuilder builder);
    // The game's own screen for a stage identifier.
    [[nodiscard]] static StageBuilder DefaultStageBuilder(int id);
    void SetKeySource(const KeyStateSource* keys) { keys_ = keys; }
    void SetMusic(Ref<StageMusic> music) { music_ = std::move(music); }
    void SetFullScreenToggle(std::function<void()> toggle) { toggleFullScreen_ = std::move(toggle); }
    void SetDeviceIconMaker(DeviceIconMaker maker) { iconMaker_ = std::move(maker); }

    [[nodiscard]] int GetExtraWait() const { return extraWait_; }
    [[nodiscard]] int GetTransitionStart() const { return transitionStart_; }
    [[nodiscard]] const AltEnterToggle& GetAltEnter() const { return altEnter_; }

private:
    Ref<Stage> BuildStage(int id);
    void PrepareTitle();
    void FitRootWindow(Stage& stage);
    int TransitionElapsed() const;
    bool SettingsPanelOpen() const;
    void ForgetHeldKeys();

    std::array<float, 8> diamond_{};  // four x, y pairs reused by every diamond
    int transitionStart_ = 0;
    int extraWait_ = 0;

    AltEnterToggle altEnter_;
    Letterbox letterbox_;
    bool creatingStage_ = false;
    std::map<int, StageBuilder> builders_;
    const KeyStateSource* keys_ = nullptr;
    Ref<StageMusic> music_;
    std::function<void()> toggleFullScreen_;
    DeviceIconMaker iconMaker_;
};

}  // namespace zelka
