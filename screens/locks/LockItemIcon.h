#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

class GDO;

// The icon and the name of an inventory item, as the lock cards show them. Both are
// seams until the match's item code lands: the icon then becomes its ItemStackSlot and
// the name ItemManager::ItemName, each by changing one line in LockItemIcon.cpp.

// A 32 x 32 icon of item 0..8; null for any other item.
[[nodiscard]] Ref<GDO> NewLockItemIcon(int item);
// "MIGHTY SHOVEL" and the like for items 0..9; "" for any other.
[[nodiscard]] String LockItemName(int item);

}  // namespace zelka
