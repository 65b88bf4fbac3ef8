#include "screens/menus/SettingsMenuPanel.h"

#include "screens/menus/MenuConstants.h"

namespace zelka {

Ref<SettingsMenuPanel> SettingsMenuPanel::New()
{
    return NewMenuPanel<SettingsMenuPanel>(U"SETTINGS_PANEL", kOverlayMenuY);
}

void SettingsMenuPanel::Open(bool immediate, bool playSound, int delayMs)
{
    menu_->Reset();
    Panel::Open(immediate, playSound, delayMs);
}

}  // namespace zelka
