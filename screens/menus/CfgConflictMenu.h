#pragma once

#include "screens/menus/MenuWithOptions.h"

namespace zelka {

// Shown when a device change left both players on the keyboard with clashing keys (both
// were reset): from here either player's controls open over it. Both players drive it.
class CfgConflictMenu : public MenuWithOptions {
public:
    static constexpr int kRowP1Controls = 0;
    static constexpr int kRowP2Controls = 1;
    static constexpr int kRowExit = 2;

    CfgConflictMenu();
    static Ref<CfgConflictMenu> New(Ref<PlayerData> owner);

    // The controls panel opens over this one (unless it is open already); P2 CONTROLS
    // only while player 2 has a mapping.
    void OkPressed(int index) override;
    void CancelPressed(int index, bool byEscape) override;
};

}  // namespace zelka
