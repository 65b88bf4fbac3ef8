#pragma once

#include "engine/ui/Panel.h"
#include "screens/menus/PauseMenu.h"

namespace zelka {

// The overlay panel holding the pause menu; it unfolds along y.
class PauseMenuPanel : public Panel {
public:
    static Ref<PauseMenuPanel> New();

    // A fresh title, the player-2 row checked and the cursor on the first row, then open.
    void Open(bool immediate, bool playSound, int delayMs) override;

    [[nodiscard]] const Ref<PauseMenu>& GetMenu() const { return menu_; }

private:
    Ref<PauseMenu> menu_;
};

}  // namespace zelka
