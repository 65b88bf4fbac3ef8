#pragma once

#include "engine/media/Sprite.h"

namespace zelka {

class Item;

// An item chest on "items.png", with two child sprites of the same sheet: a stripe tinted by
// the category of the item inside and a glint. Between 1 December and 15 January the chest
// and stripe wear their festive frames. The chest follows its item's type: a race chest that
// comes back with a new item re-tints itself on its next update.
class ItemChestSprite : public Sprite {
public:
    // The local date decides the frame set.
    static Ref<ItemChestSprite> New(const Item* item);
    // month 1 .. 12, day 1 .. 31: the date to show the chest for (tests pass their own).
    static Ref<ItemChestSprite> New(const Item* item, int month, int day);
    // Month 12, or month 1 before the 16th.
    [[nodiscard]] static bool IsFestive(int month, int day);

    // Plays the same name on the stripe and the glint too.
    int PlaySequence(const String& sequenceName) override;
    void Update(int ms) override;

    const Ref<Sprite>& GetStripe() const { return stripe_; }
    const Ref<Sprite>& GetGlint() const { return glint_; }
    int GetShownType() const { return shownType_; }

    ItemChestSprite(Ref<DrawableCollection> collection, int fps) : Sprite(std::move(collection), fps) {}

private:
    // Stripe tint and visibility for the item's current type.
    void ShowType(int type);

    const Item* item_ = nullptr;   // not owned: the item owns this sprite
    int shownType_ = 0;
    Ref<Sprite> stripe_;
    Ref<Sprite> glint_;
};

}  // namespace zelka
