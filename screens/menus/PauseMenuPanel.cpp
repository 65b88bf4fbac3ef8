#include "screens/menus/PauseMenuPanel.h"

#include "screens/menus/MenuConstants.h"

namespace zelka {

Ref<PauseMenuPanel> PauseMenuPanel::New()
{
    return NewMenuPanel<PauseMenuPanel>(U"PAUSE_PANEL", kOverlayMenuY);
}

void PauseMenuPanel::Open(bool immediate, bool playSound, int delayMs)
{
    menu_->SetRandomTitle();
    menu_->Check2P();
    menu_->MoveCursorToOption(PauseMenu::kRowResume);
    Panel::Open(immediate, playSound, delayMs);
}

}  // namespace zelka
