#pragma once

namespace zelka {

// Item types. Negative types are pick-ups that never enter the inventory.
inline constexpr int kItemIdol = -3;          // golden idol: ends a race
inline constexpr int kItemTreasure = -2;      // corner treasure
inline constexpr int kItemGem = -1;           // also "empty" in an inventory slot
inline constexpr int kItemNone = -1;          // empty inventory slot
inline constexpr int kItemPickaxe = 0;        // "EPICKAXE"
inline constexpr int kItemTeleporter = 1;
inline constexpr int kItemSqueakyHammer = 2;
inline constexpr int kItemTrapSwitch = 3;     // "IT'S-A-TRAP"
inline constexpr int kItemTurboSneakers = 4;
inline constexpr int kItemBallAndChain = 5;
inline constexpr int kItemHyperHand = 6;
inline constexpr int kItemMightyShovel = 7;
inline constexpr int kItemIceWand = 8;
inline constexpr int kItemRoulette = 9;       // enters a stack as a cycling TURBO SNEAKERS
inline constexpr int kInventoryItemTypes = 10;  // ids 0 .. 9 carry drop weights
inline constexpr int kIconItemTypes = 9;        // ids 0 .. 8 have an icon (the roulette none)
inline constexpr int kNoItemId = -99999;        // RandomItemId with an all-zero table; "no item"

// Ids 0 .. 9: what a chest holds and a stack carries.
inline constexpr bool IsInventoryItem(int type)
{
    return type >= 0 && type < kInventoryItemTypes;
}

// Item categories (stripe colour of a chest); 0 for anything that is not an inventory item.
inline constexpr int kCategoryNone = 0;
inline constexpr int kCategorySelf = 1;       // pickaxe, sneakers, shovel: help the user
inline constexpr int kCategoryTrick = 2;      // teleporter, trap switch, hand, roulette
inline constexpr int kCategoryAttack = 3;     // hammer, ball and chain, wand: hit the opponent

// Maze items.
inline constexpr int kItemTileSize = 32;       // px, tiles of "items.png"

// Inventory.
inline constexpr int kStackSlots = 4;
inline constexpr int kStackWidth = 168;       // px
inline constexpr int kStackHeight = 42;       // px
inline constexpr int kStackSlotSpacing = 42;  // px between slot centres
inline constexpr int kStackFirstSlotX = -68;  // px from the stack's centre
inline constexpr int kSlotIconSize = 32;      // px, tiles of "item_icons.png"
inline constexpr int kSlotPopMs = 200;        // icon grows from 0 to full size
inline constexpr float kSlotShakeDegrees = 5.0f;  // amplitude of a shaking icon
inline constexpr float kSlotShakeRate = 2.0f;     // degrees of the sine per ms left
inline constexpr int kShakeMs = 300;          // a failed use shakes the slot this long
inline constexpr int kRouletteIntervalMs = 300;  // a roulette's icon changes this often

// Item effects.
inline constexpr int kItemEffectMs = 5000;    // buffs and debuffs given by items
inline constexpr int kHitShakeMs = 300;       // the victim's face and window

// Sound effects of the items.
inline constexpr int kSfxChestPlaced = 6;
inline constexpr int kSfxTreasureTaken = 7;
inline constexpr int kSfxChestTaken = 17;
inline constexpr int kSfxTurbo = 18;
inline constexpr int kSfxDig = 20;
inline constexpr int kSfxResurface = 21;
inline constexpr int kSfxPickaxe = 22;
inline constexpr int kSfxHit = 25;            // an item hits the opponent
inline constexpr int kSfxRouletteStop = 28;
inline constexpr int kSfxMatchOver = 303;     // the idol is taken
inline constexpr int kSfxItemAnnounceBase = 400;  // + item type, on the voice channel

}  // namespace zelka
