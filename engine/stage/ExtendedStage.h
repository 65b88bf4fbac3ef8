#pragma once

#include "engine/display/EmptyGDOContainer.h"
#include "engine/stage/Stage.h"
#include "platform/core/Text.h"

namespace zelka {

// Player numbers as the overlay sees them.
inline constexpr int kOverlayNoPlayer = 0;
inline constexpr int kOverlayPlayer1 = 1;
inline constexpr int kOverlayPlayer2 = 2;

// What an extended stage needs from the layers above the engine: the overlay's panels,
// prompt and toasts (built by the screens), and the players' input devices (game data).
// The application installs its own once; the base builds nothing and reports every player
// as having a device, so a stage runs without screens or services.
class OverlayHooks {
public:
    virtual ~OverlayHooks() = default;

    // The four modal panels, each closed (invisible, disabled). Null leaves the slot
    // empty: that panel then never opens.
    virtual Ref<GDO> NewPausePanel() { return nullptr; }
    virtual Ref<GDO> NewConflictPanel() { return nullptr; }
    virtual Ref<GDO> NewInputConfigPanel() { return nullptr; }
    virtual Ref<GDO> NewSettingsPanel() { return nullptr; }
    // The blinking "PRESS ANY KEY" prompt for player 2; null for none.
    virtual Ref<GDO> NewPrompt() { return nullptr; }
    // A player's notice box with its title ("PLAYER 1"); null for none.
    virtual Ref<GDO> NewToast(const String& /*title*/) { return nullptr; }

    // Opens a closed panel animated, with its opening sound and no delay.
    virtual void OpenPanel(GDO& /*panel*/) {}
    // Shows the controls menu of `player` (kOverlayNoPlayer counts as player 1) in the
    // input-configuration panel and hides the other, before the panel opens.
    virtual void SelectInputConfigPlayer(GDO& /*panel*/, int /*player*/) {}
    // The toast's previous content leaves it, `content` becomes its content at (0, 6), and
    // it slides in.
    virtual void DisplayToast(GDO& /*toast*/, Ref<GDO> /*content*/) {}

    // Whether player 1 / 2 has an input mapping.
    virtual bool PlayerHasDevice(int /*player*/) { return true; }
    // The first input device with a hit in this update, "" for none. For player 2 a hit
    // by one of player 1's keys on player 1's device does not count.
    virtual String AnyKeyFromAnyHardware(int /*forPlayer*/) { return {}; }
    virtual void SetNewInputDeviceForPlayer(int /*player*/, const String& /*device*/) {}
    // Whether the current game mode has two human players.
    virtual bool Is2PMode() { return false; }
    // Announces play-to-unlock notices.
    virtual void CheckActiveLocks() {}
};

// The stage every screen of the game uses: a Stage plus an overlay layer drawn above all
// others, holding four modal panels (pause, settings, controls conflict, joystick
// controls), player 2's "PRESS ANY KEY" prompt and one toast per player. While a panel is
// open only that panel updates and the stage stands still. Its update gives player 1 and,
// in a two-player mode, player 2 the device on which a key is pressed while they have none.
//
// The overlay costs one load step more than the count given: the first loading update
// builds it; the update that finishes the screen's own steps makes the toasts and appends
// the overlay as the last layer.
class ExtendedStage : public Stage {
public:
    explicit ExtendedStage(int loadSteps);
    static Ref<ExtendedStage> New(int loadSteps);
    static Ref<ExtendedStage> New2() { return New(0); }

    // Null restores the base hooks. Not owned: keep them alive while stages run.
    static void SetHooks(OverlayHooks* hooks);
    static OverlayHooks& Hooks();

    // Enabled toasts update (player 1 first); then the first enabled panel of the order
    // input configuration, settings, conflict, pause updates and false is returned.
    // Also releases an overlay that never became a layer (switched away mid-load).
    void Deallocate() override;
    bool BeforeUpdate(int ms) override;
    void Update(int ms) override;
    int GetLoadingProgress() override;

    // Each opens its panel unless it is visible already; nothing while it is absent.
    virtual void ShowPauseMenu();
    void ShowSettingsPanel();
    void ShowConflictMenu();
    // player: kOverlayNoPlayer or kOverlayPlayer1 show player 1's menu, else player 2's.
    void ShowInputConfigPanel(int player);
    // The settings panel's visible flag; false while it is absent.
    [[nodiscard]] bool IsSettingsMenuOpen() const;
    // Called once when the game has become stable after the switch to this stage.
    virtual void FirstStageUpdate() {}

    // The overlay, to which screens add their own popups (null before the first load step).
    [[nodiscard]] const Ref<EmptyGDOContainer>& GetOverLayer() const { return overlay_; }
    // player 1 uses player 1's toast, any other number player 2's; nothing while absent.
    void SetToastNotification(int player, Ref<GDO> content);

    [[nodiscard]] int GetBuildPhase() const { return buildPhase_; }
    [[nodiscard]] const Ref<GDO>& GetPausePanel() const { return pausePanel_; }
    [[nodiscard]] const Ref<GDO>& GetSettingsPanel() const { return settingsPanel_; }
    [[nodiscard]] const Ref<GDO>& GetConflictPanel() const { return conflictPanel_; }
    [[nodiscard]] const Ref<GDO>& GetInputConfigPanel() const { return inputConfigPanel_; }
    [[nodiscard]] const Ref<GDO>& GetPrompt() const { return prompt_; }
    [[nodiscard]] const Ref<GDO>& GetToast(int player) const;

private:
    void BuildOverlay();
    void FinishOverlay();
    // True when the update was used up by giving a player a device.
    bool AssignInputDevices();
    Ref<GDO> AddToOverlay(Ref<GDO> node);
    static void OpenIfClosed(const Ref<GDO>& panel);

    Ref<GDO> pausePanel_;
    Ref<GDO> settingsPanel_;
    int buildPhase_ = 0;  // 0 overlay not built, 1 overlay built, 2 complete
    Ref<EmptyGDOContainer> overlay_;
    Ref<GDO> conflictPanel_;
    Ref<GDO> inputConfigPanel_;
    Ref<GDO> prompt_;
    Ref<GDO> toast1_;
    Ref<GDO> toast2_;
};

}  // namespace zelka
