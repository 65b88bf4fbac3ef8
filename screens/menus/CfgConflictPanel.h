#pragma once

#include "engine/ui/Panel.h"
#include "screens/menus/CfgConflictMenu.h"

namespace zelka {

// The overlay panel holding the conflict menu ("CONFLICT_MENU"); it unfolds along y.
class CfgConflictPanel : public Panel {
public:
    static Ref<CfgConflictPanel> New();

    [[nodiscard]] const Ref<CfgConflictMenu>& GetMenu() const { return menu_; }

private:
    Ref<CfgConflictMenu> menu_;
};

}  // namespace zelka
