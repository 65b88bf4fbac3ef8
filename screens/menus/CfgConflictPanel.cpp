#include "screens/menus/CfgConflictPanel.h"

namespace zelka {

Ref<CfgConflictPanel> CfgConflictPanel::New()
{
    auto panel = NewMenuPanel<CfgConflictPanel>(U"CFGCONFLICT_PANEL", 0.0f);
    panel->menu_->name = U"CONFLICT_MENU";
    return panel;
}

}  // namespace zelka
