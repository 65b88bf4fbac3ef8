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

TEST_F(ItemChestSpriteTest, FestiveFromFirstOfDecemberToFifteenthOfJanuary)
{
    EXPECT_FALSE(ItemChestSprite::IsFestive(11, 30));
    EXPECT_TRUE(ItemChestSprite::IsFestive(12, 1));
    EXPECT_TRUE(ItemChestSprite::IsFestive(12, 31));
    EXPECT_TRUE(ItemChestSprite::IsFestive(1, 15));
    EXPECT_FALSE(ItemChestSprite::IsFestive(1, 16));
    EXPECT_FALSE(ItemChestSprite::IsFestive(6, 10));

    // The third idle frame tells the sets apart.
    auto plain = ItemChestSprite::New(item_.get(), 1, 16);
    auto festive = ItemChestSprite::New(item_.get(), 12, 24);
    for (const auto& chest : {plain, festive}) {
        chest->PlaySequence(U"idle");
        chest->SetSequenceStep(2);
        chest->GetStripe()->SetSequenceStep(2);
    }
    EXPECT_EQ(plain->GetCurrentFrame(), 5);
    EXPECT_EQ(plain->GetStripe()->GetCurrentFrame(), 46);
    EXPECT_EQ(festive->GetCurrentFrame(), 52);
    EXPECT_EQ(festive->GetStripe()->GetCurrentFrame(), 58);
}

TEST_F(ItemChestSpriteTest, StripeFollowsTheItemsCategory)
{
    auto chest = ItemChestSprite::New(item_.get(), 6, 1);
    EXPECT_TRUE(chest->GetStripe()->visible);
    EXPECT_EQ(chest->GetStripe()->tint.b, 255);   // category 1: blue

    // A race chest that came back with a new item re-tints on its next update.
    item_->type = kItemIceWand;
    chest->Update(16);
    EXPECT_EQ(chest->GetShownType(), kItemIceWand);
    EXPECT_EQ(chest->GetStripe()->tint.r, 96);
    EXPECT_EQ(chest->GetStripe()->tint.b, 96);
    item_->type = kItemTeleporter;
    chest->Update(16);
    EXPECT_EQ(chest->GetStripe()->tint.r, 190);
    item_->type = 42;                               // no category: no stripe
    chest->Update(16);
    EXPECT_FALSE(chest->GetStripe()->visible);
}

TEST_F(ItemChestSpriteTest, IdlePlaysOnceOnAllThreeAndStops)
{
    auto chest = ItemChestSprite::New(item_.get(), 6, 1);
    chest->PlaySequence(U"idle");
    EXPECT_EQ(chest->GetGlint()->GetCurrentSequence(), U"idle");
    EXPECT_EQ(chest->GetStripe()->GetCurrentSequence(), U"idle");
    for (int n = 0; n < 200; ++n) {
        chest->Update(16);
    }
    EXPECT_NE(chest->GetPlaybackStatus(), kSpritePlaying);
    EXPECT_EQ(chest->GetCurrentFrame(), 10);
    EXPECT_EQ(chest->GetGlint()->GetCurrentFrame(), 4);
}

}  // namespace
}  // namespace zelka
