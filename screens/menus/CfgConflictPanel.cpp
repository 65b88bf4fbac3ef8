#include "screens/menus/CfgConflictPanel.h"

namespace zelka {

Ref<CfgConflictPanel> CfgConflictPanel::New()
{
    auto panel = std::make_shared<CfgConflictPanel>();
    panel->menu_ = CfgConflictMenu::New(nullptr);
    panel->menu_->name = U"CONFLICT_MENU";
    Setup(*panel, panel->menu_, U"scale.y", 0.0f, 1.0f, kPanelDefaultMs, nullptr);
    panel->name = U"CFGCONFLICT_PANEL";
    return panel;
}

}  // namespace zelka
