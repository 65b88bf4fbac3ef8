#include "screens/menus/SettingsMenuPanel.h"

namespace zelka {

namespace {

constexpr float kMenuY = 20.0f;  // px below the overlay's centre

}  // namespace

Ref<SettingsMenuPanel> SettingsMenuPanel::New()
{
    auto panel = std::make_shared<SettingsMenuPanel>();
    panel->menu_ = SettingsMenu::New(nullptr);
    Setup(*panel, panel->menu_, U"scale.y", 0.0f, 1.0f, kPanelDefaultMs, nullptr);
    panel->menu_->position->Set(0.0f, kMenuY);
    panel->name = U"SETTINGS_PANEL";
    return panel;
}

void SettingsMenuPanel::Open(bool immediate, bool playSound, int delayMs)
{
    menu_->Reset();
    Panel::Open(immediate, playSound, delayMs);
}

}  // namespace zelka
