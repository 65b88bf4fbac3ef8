#pragma once

#include "engine/display/EmptyGDOContainer.h"
#include "match/items/ItemConstants.h"

#include <array>

namespace zelka {

class ItemStackSlot;
class PlayerData;
class StaticImage;

// A player's inventory: up to four items in a row of icons with a selection frame
// ("CURSOR", "itframe_p" + player number + ".png"). Items always fill slots 0 .. count - 1,
// slot 0 holding the oldest. The cursor is the selected slot, -1 when the stack is empty.
class ItemStack : public EmptyGDOContainer {
public:
    static Ref<ItemStack> New(const PlayerData& player);
    explicit ItemStack(int playerNumber);

    float GetWidth() const override { return static_cast<float>(kStackWidth); }
    float GetHeight() const override { return static_cast<float>(kStackHeight); }

    // A fifth item drops the oldest; the cursor keeps to the item it showed.
    // rouletteInterval in ms, 0 for a plain item.
    void Add(int type, int rouletteInterval);
    // False unless index is a held slot. Later items move down; the cursor stays at its
    // index (so selects the next item), or steps back when it is left past the last item.
    bool Remove(int index);
    // Takes the other stack's newest item in exchange for this stack's slot `index` (the
    // hand being used). False when the other stack is empty or index is not held here.
    bool StealItemFromOtherStack(int index, ItemStack& other);
    // +1 next, -1 previous (wrapping over the held items), 0 hides the frame.
    void MoveCursor(int direction);

    int GetTotalItems() const { return count_; }
    // -1 when no held slot is selected.
    int GetCursorPos() const;
    // -1 for an empty or invalid slot.
    int GetItemType(int index) const;
    // A cycling roulette is in that held slot.
    bool IsDynamicItem(int index) const;
    // Stops a roulette on the item it shows; true if it was cycling.
    bool StopDynamicItem(int index);
    // From the cursor (its own slot first), stepping in `direction` with wrap-around, the
    // first slot holding `type`; -1 when none or without a cursor.
    int FindCloserItemOfType(int type, int direction) const;
    // The selected slot shakes for 300 ms.
    void ShakeCurrentItem();

    ItemStackSlot& GetSlot(int index) { return *slots_[static_cast<size_t>(index)]; }
    const Ref<StaticImage>& GetCursorImage() const { return frame_; }

private:
    bool IsHeld(int index) const { return index >= 0 && index < count_; }
    ItemStackSlot& Slot(int index) const { return *slots_[static_cast<size_t>(index)]; }
    // Empties the slot: no item, not cycling, not shaking.
    void ClearSlot(int index);
    // Steps the cursor back when it was left past the last held item.
    void KeepCursorInside();

    std::array<Ref<ItemStackSlot>, kStackSlots> slots_;
    int count_ = 0;
    int cursor_ = -1;
    Ref<StaticImage> frame_;
};

}  // namespace zelka
