#include "screens/locks/LockCard.h"

#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/text/LabelWithShadow.h"
#include "engine/text/TextConstants.h"
#include "engine/tween/Ease.h"
#include "engine/ui/Panel.h"
#include "match/items/ItemStackSlot.h"
#include "match/items/ItemTable.h"
#include "screens/locks/LockConstants.h"
#include "services/data/ContentLock.h"
#include "services/data/GameData.h"
#include "services/player/PlayerStats.h"

#include <string>

namespace zelka {

namespace contentlock {

namespace {

String Decimal(int value)
{
    return FromLatin1(std::to_string(value));
}

bool HasValidItem(const ContentLock& lock)
{
    return lock.GetKind() != kLockItemUses ||
           (lock.GetParam() >= kFirstLockItem && lock.GetParam() <= kLastLockItem);
}

Ref<GDO> NewIcon(const ContentLock& lock)
{
    if (lock.GetKind() == kLockTotalMatches) {
        return StaticImage::New(Texture::GetTexture(U"key.png"));
    }
    if (lock.GetKind() == kLockItemUses) {
        return ItemStackSlot::New(lock.GetParam(), 0);
    }
    return nullptr;
}

Ref<LabelWithShadow> NewCardText(const String& text)
{
    const Ref<LabelWithShadow> label = LabelWithShadow::New(GameData::stdFont, kLockTextScale);
    label->SetStyle(kLabelWrap);
    label->SetSize(kLockTextWidth, kLockTextHeight);
    label->SetFontScale(kLockTextScale, kLockTextScale);
    label->SetKeepFontProportional(true);
    label->SetInterLineFactor(kLockTextLineFactor);
    label->horizontalAlignment = kAlignStart;
    label->SetText(text);
    return label;
}

}  // namespace

String LockCardText(const ContentLock& lock, const PlayerStats& stats)
{
    if (!lock.LockActive(stats) || !HasValidItem(lock)) {
        return String();
    }
    const int remaining = lock.GetRemaining(stats);
    switch (lock.GetKind()) {
    case kLockTotalMatches:
        return U"PLAY " + Decimal(remaining) + U" MORE " +
               (remaining < 2 ? U"MATCH" : U"MATCHES") + U" TO UNLOCK!";
    case kLockItemUses:
        // "1 TIMES" as the game has always said it.
        return U"USE THE " + ItemTable::Name(lock.GetParam()) + U" " + Decimal(remaining) +
               U" TIMES TO UNLOCK!";
    default:
        return U"     - COMING SOON! -";
    }
}

Ref<Panel> CreateLockGDO(const Ref<ContentLock>& lock)
{
    if (!lock || !GameData::stdFont) {
        return nullptr;
    }
    const Ref<PlayerStats> none = GameData::stats ? nullptr : PlayerStats::New();
    const String text = LockCardText(*lock, GameData::stats ? *GameData::stats : *none);
    if (text.empty()) {
        return nullptr;
    }
    const Ref<StaticImage> card = StaticImage::New(Texture::GetTexture(U"msgbox.png"));
    const Ref<LabelWithShadow> label = NewCardText(text);
    card->AddChild(label);
    if (const Ref<GDO> icon = NewIcon(*lock)) {
        label->position->x = kLockTextIconX;
        card->AddChild2(icon, kLockIconRight - icon->GetWidth() * 0.5f, 0.0f);
    }
    return Panel::New(card, U"scale.y", 0.0f, 1.0f, kLockCardOpenMs, nullptr);
}

}  // namespace contentlock

}  // namespace zelka
