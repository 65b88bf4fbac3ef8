#pragma once

#include "screens/menus/MenuPanel.h"
#include "screens/menus/PauseMenu.h"

namespace zelka {

// The overlay panel holding the pause menu.
class PauseMenuPanel : public MenuPanel<PauseMenu> {
public:
    static Ref<PauseMenuPanel> New();

    // A fresh title, the player-2 row checked and the cursor on the first row, then open.
    void Open(bool immediate, bool playSound, int delayMs) override;
};

}  // namespace zelka
