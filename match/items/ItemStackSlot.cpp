#include "match/items/ItemStackSlot.h"

#include "engine/tween/Ease.h"
#include "engine/tween/Tween.h"
#include "match/items/ItemConstants.h"
#include "match/items/ItemTable.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelka {

namespace {

const String kIconSheet = U"item_icons.png";
const String kEmptySequence = U"ITEM_NONE";

String TypeSequence(int type)
{
    return type < 0 ? kEmptySequence : U"ITEM_" + FromLatin1(std::to_string(type));
}

}  // namespace

ItemStackSlot::ItemStackSlot()
    // Every sequence is a single frame, so the sprite never needs to advance: frame time 0
    // also keeps the icons from sending a sequence-end event each frame.
    : Sprite(TileSet::New(Texture::GetTexture(kIconSheet), kSlotIconSize, kSlotIconSize), 0),
      pop_(Tween::New(LinearEase::New(), 0.0f, 1.0f, kSlotPopMs, false, false))
{
    DefineSequence2(kEmptySequence, {0}, false);
    for (int type = 0; type < kIconItemTypes; ++type) {
        DefineSequence2(TypeSequence(type), {type + 1}, false);
    }
}

Ref<ItemStackSlot> ItemStackSlot::New(int type, int rouletteInterval)
{
    auto slot = std::make_shared<ItemStackSlot>();
    slot->SetItemType(type, false);
    slot->SetDynamicTypeChangeInterval(rouletteInterval);
    return slot;
}

void ItemStackSlot::SetItemType(int type, bool pop)
{
    type_ = type;
    PlaySequence(TypeSequence(type));
    if (pop) {
        pop_->Start();
        scale.Set(0.0f, 0.0f);
    } else {
        pop_->Stop();
        scale.Set(1.0f, 1.0f);
    }
}

void ItemStackSlot::SetDynamicTypeChangeInterval(int ms)
{
    interval_ = ms;
    countdown_ = ms;
}

void ItemStackSlot::CopyItem(const ItemStackSlot& slot)
{
    SetItemType(slot.type_, true);
    SetDynamicTypeChangeInterval(slot.interval_);
}

void ItemStackSlot::SelectNextPossibleItem(int type)
{
    SetItemType(ItemTable::NextPossibleItem(type), false);
}

void ItemStackSlot::Shake(int ms)
{
    shakeMs_ = ms;
}

void ItemStackSlot::StopShake()
{
    shakeMs_ = 0;
    rotation = 0.0f;
}

void ItemStackSlot::Update(int ms)
{
    if (countdown_ > 0 && type_ != kItemNone) {
        countdown_ -= ms;
        if (countdown_ < 1) {
            SelectNextPossibleItem(type_);
            countdown_ = interval_;
        }
    }

    pop_->Update(ms);
    const float size = pop_->IsPlaying() ? pop_->GetValue() : 1.0f;
    scale.Set(size, size);

    if (shakeMs_ > 0) {
        shakeMs_ = std::max(0, shakeMs_ - ms);
        const float radians = kSlotShakeRate * static_cast<float>(shakeMs_) *
                              std::numbers::pi_v<float> / 180.0f;
        rotation = kSlotShakeDegrees * std::sin(radians);
    } else {
        rotation = 0.0f;
    }

    Sprite::Update(ms);
}

}  // namespace zelka
