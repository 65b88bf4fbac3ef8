#include "match/items/ItemStack.h"

#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "match/items/ItemStackSlot.h"
#include "services/player/PlayerData.h"

#include <string>

namespace zelka {

namespace {

float SlotX(int index)
{
    return static_cast<float>(kStackFirstSlotX + kStackSlotSpacing * index);
}

// Plain % keeps the sign, so stepping back from slot 0 would give -1.
int Wrap(int index, int count)
{
    return (index % count + count) % count;
}

}  // namespace

ItemStack::ItemStack(int playerNumber)
{
    for (int i = 0; i < kStackSlots; ++i) {
        slots_[static_cast<size_t>(i)] = ItemStackSlot::New(kItemNone, 0);
        AddChild2(slots_[static_cast<size_t>(i)], SlotX(i), 0.0f);
    }
    const String path = U"itframe_p" + FromLatin1(std::to_string(playerNumber)) + U".png";
    frame_ = StaticImage::New(Texture::GetTexture(path));
    frame_->name = U"CURSOR";
    AddChild(frame_);
}

Ref<ItemStack> ItemStack::New(const PlayerData& player)
{
    auto stack = std::make_shared<ItemStack>(player.GetPlayerNumber());
    stack->MoveCursor(1);
    return stack;
}

void ItemStack::Add(int type, int rouletteInterval)
{
    int index = count_;
    if (count_ == kStackSlots) {
        for (int i = 1; i < kStackSlots; ++i) {
            Slot(i - 1).CopyItem(Slot(i));
        }
        if (cursor_ > 0) {
            MoveCursor(-1);
        }
        index = kStackSlots - 1;
    } else {
        ++count_;
    }
    Slot(index).SetDynamicTypeChangeInterval(rouletteInterval);
    Slot(index).SetItemType(type, true);
    if (cursor_ == -1) {
        MoveCursor(1);
    }
}

void ItemStack::ClearSlot(int index)
{
    Slot(index).StopShake();
    Slot(index).SetItemType(kItemNone, false);
    Slot(index).SetDynamicTypeChangeInterval(0);
}

void ItemStack::KeepCursorInside()
{
    if (cursor_ >= count_) {
        MoveCursor(-1);
    }
}

bool ItemStack::Remove(int index)
{
    if (!IsHeld(index)) {
        return false;
    }
    Slot(index).StopShake();
    for (int i = index; i < count_ - 1; ++i) {
        Slot(i).CopyItem(Slot(i + 1));
    }
    --count_;
    ClearSlot(count_);
    // Only a cursor left beyond the items moves: one on an earlier slot keeps its item.
    KeepCursorInside();
    return true;
}

bool ItemStack::StealItemFromOtherStack(int index, ItemStack& other)
{
    if (&other == this || other.count_ == 0 || !IsHeld(index)) {
        return false;
    }
    const int newest = other.count_ - 1;
    const int type = other.Slot(newest).GetItemType();
    const int interval = other.Slot(newest).GetDynamicTypeChangeInterval();
    other.ClearSlot(newest);
    --other.count_;
    // The victim's selection moves only when it was on the stolen item.
    other.KeepCursorInside();
    Remove(index);
    Add(type, interval);
    return true;
}

void ItemStack::MoveCursor(int direction)
{
    if (count_ == 0) {
        cursor_ = -1;
        frame_->visible = false;
        return;
    }
    if (direction == 0) {
        frame_->visible = false;
        return;
    }
    const int step = direction > 0 ? 1 : -1;
    // From -1 forward gives slot 0; from 0 (or -1) back gives the last slot.
    int index = cursor_ + step;
    if (index < 0) {
        index = count_ - 1;
    } else if (index >= count_) {
        index = 0;
    }
    for (int tries = 0; tries < count_ && Slot(index).GetItemType() == kItemNone; ++tries) {
        index = Wrap(index + step, count_);
    }
    cursor_ = index;
    frame_->position->Set(SlotX(index), 0.0f);
    frame_->visible = true;
}

int ItemStack::GetCursorPos() const
{
    return IsHeld(cursor_) ? cursor_ : -1;
}

int ItemStack::GetItemType(int index) const
{
    return IsHeld(index) ? Slot(index).GetItemType() : kItemNone;
}

bool ItemStack::IsDynamicItem(int index) const
{
    return IsHeld(index) && Slot(index).GetDynamicTypeChangeInterval() > 0;
}

bool ItemStack::StopDynamicItem(int index)
{
    if (!IsHeld(index)) {
        return false;
    }
    const bool cycling = Slot(index).GetDynamicTypeChangeInterval() > 0;
    Slot(index).SetDynamicTypeChangeInterval(0);
    return cycling;
}

int ItemStack::FindCloserItemOfType(int type, int direction) const
{
    const int start = GetCursorPos();
    if (start < 0) {
        return -1;
    }
    const int step = direction < 0 ? -1 : 1;
    for (int i = 0; i < count_; ++i) {
        const int index = Wrap(start + step * i, count_);
        if (Slot(index).GetItemType() == type) {
            return index;
        }
    }
    return -1;
}

void ItemStack::ShakeCurrentItem()
{
    const int index = GetCursorPos();
    if (index >= 0) {
        Slot(index).Shake(kShakeMs);
    }
}

}  // namespace zelka
