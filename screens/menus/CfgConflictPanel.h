#pragma once

#include "screens/menus/CfgConflictMenu.h"
#include "screens/menus/MenuPanel.h"

namespace zelka {

// The overlay panel holding the conflict menu ("CONFLICT_MENU").
class CfgConflictPanel : public MenuPanel<CfgConflictMenu> {
public:
    static Ref<CfgConflictPanel> New();
};

}  // namespace zelka
