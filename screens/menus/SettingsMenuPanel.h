#pragma once

#include "screens/menus/MenuPanel.h"
#include "screens/menus/SettingsMenu.h"

namespace zelka {

// The overlay panel holding the settings menu.
class SettingsMenuPanel : public MenuPanel<SettingsMenu> {
public:
    static Ref<SettingsMenuPanel> New();

    // The menu takes the present state, then the panel opens.
    void Open(bool immediate, bool playSound, int delayMs) override;
};

}  // namespace zelka
