#pragma once

#include "engine/stage/ExtendedStage.h"
#include "services/data/GameDataHooks.h"

namespace zelka {

// What the game data asks of the screens: fonts, toasts, panels and event 1010, routed
// to the application.
class AppGameDataHooks final : public GameDataHooks {
public:
    void LoadFonts() override;
    void NotifyPlayerInputMode(int player) override;
    void RaiseCfgConflictPanel() override;
    // Player 1's toast shows the "UNLOCKED" notice.
    void ShowCharacterUnlocked(const CharProfile& profile) override;
    void ShowWorldUnlocked(const String& name) override;
};

// The overlay as the game builds it: the pause, conflict, controls and settings menus, the
// "PRESS ANY KEY" prompt, and the players' devices from the game data.
class AppOverlayHooks final : public OverlayHooks {
public:
    Ref<GDO> NewPausePanel() override;
    Ref<GDO> NewConflictPanel() override;
    Ref<GDO> NewInputConfigPanel() override;
    Ref<GDO> NewSettingsPanel() override;
    Ref<GDO> NewPrompt() override;
    Ref<GDO> NewToast(const String& title) override;

    void OpenPanel(GDO& panel) override;
    void SelectInputConfigPlayer(GDO& panel, int player) override;
    void DisplayToast(GDO& toast, Ref<GDO> content) override;

    bool PlayerHasDevice(int player) override;
    String AnyKeyFromAnyHardware(int forPlayer) override;
    void SetNewInputDeviceForPlayer(int player, const String& device) override;
    bool Is2PMode() override;
    void CheckActiveLocks() override;
};

// Installs, once, everything the real game runs with: the audio manager's engine hooks,
// the game data's hooks, display and joysticks, and the overlay hooks.
void InstallAppServices();

}  // namespace zelka
