#include "screens/menus/PauseMenuPanel.h"

namespace zelka {

namespace {

constexpr float kMenuY = 20.0f;  // px below the overlay's centre

}  // namespace

Ref<PauseMenuPanel> PauseMenuPanel::New()
{
    auto panel = std::make_shared<PauseMenuPanel>();
    panel->menu_ = PauseMenu::New(nullptr);
    Setup(*panel, panel->menu_, U"scale.y", 0.0f, 1.0f, kPanelDefaultMs, nullptr);
    panel->menu_->position->Set(0.0f, kMenuY);
    panel->name = U"PAUSE_PANEL";
    return panel;
}

void PauseMenuPanel::Open(bool immediate, bool playSound, int delayMs)
{
    menu_->SetRandomTitle();
    menu_->Check2P();
    menu_->MoveCursorToOption(PauseMenu::kRowResume);
    Panel::Open(immediate, playSound, delayMs);
}

}  // namespace zelka
