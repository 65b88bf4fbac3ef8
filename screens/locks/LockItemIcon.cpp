#include "screens/locks/LockItemIcon.h"

#include "engine/media/Sprite.h"
#include "screens/locks/LockConstants.h"

#include <array>
#include <string>

namespace zelka {

namespace {

constexpr std::array<const char32_t*, 10> kItemNames{
    U"EPICKAXE",      U"TELEPORTER",     U"SQUEAKY HAMMER", U"IT'S-A-TRAP",
    U"TURBO SNEAKERS", U"THE BALL&CHAIN", U"HYPER HAND",     U"MIGHTY SHOVEL",
    U"ICE WAND",      U"ROULETTE!!!"};

// The slot's own drawing for now: sequence "ITEM_" + n on frame n + 1.
Ref<GDO> NewItemSprite(int item)
{
    const Ref<Sprite> icon = Sprite::New(U"item_icons.png", kItemIconTile, kItemIconTile, 0);
    const String sequence = U"ITEM_" + FromLatin1(std::to_string(item));
    icon->DefineSequence(sequence, item + 1, item + 1, false);
    icon->PlaySequence(sequence);
    return icon;
}

}  // namespace

Ref<GDO> NewLockItemIcon(int item)
{
    if (item < kFirstLockItem || item > kLastLockItem) {
        return nullptr;
    }
    return NewItemSprite(item);
}

String LockItemName(int item)
{
    if (item < 0 || item >= static_cast<int>(kItemNames.size())) {
        return String();
    }
    return kItemNames[static_cast<size_t>(item)];
}

}  // namespace zelka
