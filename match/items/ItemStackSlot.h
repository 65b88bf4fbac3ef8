#pragma once

#include "engine/media/Sprite.h"

namespace zelka {

class Tween;

// One item icon from "item_icons.png": "ITEM_NONE" for an empty slot, "ITEM_" + type for
// items 0 .. 8. Used by the match inventory, the statistics panel and the unlock cards.
// A slot with a roulette interval cycles through the droppable items (a roulette has no
// icon of its own); a new item pops in from scale 0; a refused use shakes the icon.
class ItemStackSlot : public Sprite {
public:
    // A stand-alone icon, shown at full size. rouletteInterval in ms, 0 for a plain item.
    static Ref<ItemStackSlot> New(int type, int rouletteInterval);

    // Negative types show "ITEM_NONE". With pop the icon grows from 0 over 200 ms.
    void SetItemType(int type, bool pop);
    int GetItemType() const { return type_; }
    // Interval and countdown both become ms; 0 makes the item plain.
    void SetDynamicTypeChangeInterval(int ms);
    int GetDynamicTypeChangeInterval() const { return interval_; }
    int GetDynamicTypeChangeCountdown() const { return countdown_; }
    // Takes the other's type (with pop) and interval, and restarts the countdown.
    void CopyItem(const ItemStackSlot& slot);
    // The roulette's step: shows the next droppable item after `type`, without pop.
    void SelectNextPossibleItem(int type);
    void Shake(int ms);
    void StopShake();
    int GetShakeTime() const { return shakeMs_; }

    // Roulette, pop, shake, then the sprite.
    void Update(int ms) override;

    ItemStackSlot();

private:
    int type_ = -1;
    int interval_ = 0;   // ms; 0 = a plain item
    int countdown_ = 0;  // ms to the next roulette step
    int shakeMs_ = 0;    // ms of shaking left
    Ref<Tween> pop_;
};

}  // namespace zelka
