#pragma once

#include "engine/core/EventManager.h"
#include "engine/ui/Panel.h"
#include "screens/menus/JoystickConfigMenu.h"

namespace zelka {

class PlayerData;

// The overlay panel with both players' controls menus, one shown at a time; it unfolds
// along y. It listens for event 1010 (a player's device or mapping changed) and brings
// that player's menu up to date.
class JoystickConfigPanel : public Panel, public EventListener {
public:
    // Registers the panel for event 1010 until the next stage switch.
    static Ref<JoystickConfigPanel> New();

    // Always player 1's menu, then open.
    void Open(bool immediate, bool playSound, int delayMs) override;
    // Player 1's menu for player 1 or null, else player 2's; then open.
    void OpenForPlayer(const PlayerData* player, bool immediate, bool playSound, int delayMs);
    // Shows and enables the menu of player 1 (kOverlayPlayer1 or kOverlayNoPlayer) or 2,
    // hides and disables the other, and brings the shown one up to date.
    void SelectPlayer(int player);
    [[nodiscard]] int GetShownPlayer() const { return shownPlayer_; }
    // Both menus back to their first row with their messages closed, then the close.
    void Close2(bool immediate, bool playSound) override;

    // Implements EventListener.
    void HandleEvent(Object* source, int id, Object* data) override;

    [[nodiscard]] const Ref<JoystickConfigMenu>& GetMenu(int player) const;

private:
    Ref<JoystickConfigMenu> menu1_;
    Ref<JoystickConfigMenu> menu2_;
    int shownPlayer_ = 1;
};

}  // namespace zelka
