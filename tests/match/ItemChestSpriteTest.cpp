#include "match/items/ItemChestSprite.h"

#include <gtest/gtest.h>

#include "engine/media/MediaConstants.h"
#include "match/items/Item.h"
#include "tests/engine/MediaTestSupport.h"

namespace zelka {
namespace {

class ItemChestSpriteTest : public testing_media::RecordingFixture {
protected:
    void SetUp() override
    {
        RecordingFixture::SetUp();
        device_.AddFakeImage("items.png", 256, 256);   // 8 x 8 tiles
        item_ = Item::New();
        item_->type = kItemTurboSneakers;
    }
    Ref<Item> item_;
};

// The festive set shows from 1 December to 15 January, on the chest and its stripe.
TEST_F(ItemChestSpriteTest, FestiveFromFirstOfDecemberToFifteenthOfJanuary)
{
    for (const auto& [month, day, festive] :
         {std::tuple{11, 30, false}, {12, 1, true}, {12, 31, true}, {1, 15, true}, {1, 16, false}}) {
        EXPECT_EQ(ItemChestSprite::IsFestive(month, day), festive) << month << "/" << day;
    }
    // The third idle frame tells the sets apart.
    auto plain = ItemChestSprite::New(item_.get(), 1, 16);
    auto festive = ItemChestSprite::New(item_.get(), 12, 24);
    for (const auto& chest : {plain, festive}) {
        chest->PlaySequence(U"idle");
        chest->SetSequenceStep(2);
        chest->GetStripe()->SetSequenceStep(2);
    }
    EXPECT_NE(plain->GetCurrentFrame(), festive->GetCurrentFrame());
    EXPECT_NE(plain->GetStripe()->GetCurrentFrame(), festive->GetStripe()->GetCurrentFrame());
}

// A race chest that came back with a new item re-tints its stripe on the next update;
// a type without a category shows none. The idle plays once on all three and stops.
TEST_F(ItemChestSpriteTest, StripeFollowsTheItemAndIdlePlaysOnce)
{
    auto chest = ItemChestSprite::New(item_.get(), 6, 1);
    EXPECT_TRUE(chest->GetStripe()->visible);
    const int firstRed = chest->GetStripe()->tint.r;
    item_->type = kItemIceWand;
    chest->Update(16);
    EXPECT_EQ(chest->GetShownType(), kItemIceWand);
    EXPECT_NE(chest->GetStripe()->tint.r, firstRed);
    item_->type = 42;
    chest->Update(16);
    EXPECT_FALSE(chest->GetStripe()->visible);

    chest->PlaySequence(U"idle");
    EXPECT_EQ(std::pair(chest->GetGlint()->GetCurrentSequence(), chest->GetStripe()->GetCurrentSequence()),
              std::pair(String(U"idle"), String(U"idle")));
    for (int n = 0; n < 200; ++n) chest->Update(16);
    EXPECT_NE(chest->GetPlaybackStatus(), kSpritePlaying);
    EXPECT_EQ(std::pair(chest->GetCurrentFrame(), chest->GetGlint()->GetCurrentFrame()), std::pair(10, 4));
}

}  // namespace
}  // namespace zelka
