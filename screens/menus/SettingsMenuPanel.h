#pragma once

#include "engine/ui/Panel.h"
#include "screens/menus/SettingsMenu.h"

namespace zelka {

// The overlay panel holding the settings menu; it unfolds along y.
class SettingsMenuPanel : public Panel {
public:
    static Ref<SettingsMenuPanel> New();

    // The menu takes the present state, then the panel opens.
    void Open(bool immediate, bool playSound, int delayMs) override;

    [[nodiscard]] const Ref<SettingsMenu>& GetMenu() const { return menu_; }

private:
    Ref<SettingsMenu> menu_;
};

}  // namespace zelka
