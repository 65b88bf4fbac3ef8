#include "match/items/ItemStackSlot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "match/items/ItemConstants.h"
#include "match/items/ItemTable.h"
#include "tests/engine/MediaTestSupport.h"

namespace zelka {
namespace {

constexpr int kStepMs = 16;

class ItemStackSlotTest : public testing_media::RecordingFixture {
protected:
    void SetUp() override
    {
        RecordingFixture::SetUp();
        device_.AddFakeImage("item_icons.png", 320, 32);   // 10 icons
    }
    void TearDown() override
    {
        ItemTable::SetWeights(false);
        RecordingFixture::TearDown();
    }
};

TEST_F(ItemStackSlotTest, StandAloneIconShowsItsItemAtFullSize)
{
    auto slot = ItemStackSlot::New(kItemIceWand, 0);
    EXPECT_EQ(slot->GetCurrentSequence(), U"ITEM_8");
    EXPECT_EQ(slot->GetCurrentFrame(), 9);
    EXPECT_FLOAT_EQ(slot->scale.x, 1.0f);
    slot->Update(kStepMs);
    EXPECT_EQ(slot->GetItemType(), kItemIceWand);   // a plain item never changes

    auto empty = ItemStackSlot::New(kItemNone, 0);
    EXPECT_EQ(empty->GetCurrentFrame(), 0);
    empty->SetItemType(kItemPickaxe, false);
    EXPECT_EQ(empty->GetCurrentFrame(), 1);
    empty->SetItemType(-3, false);                  // any negative type is the empty icon
    EXPECT_EQ(empty->GetCurrentSequence(), U"ITEM_NONE");
}

TEST_F(ItemStackSlotTest, RouletteChangesEveryIntervalAndSkipsUndroppableItems)
{
    ItemTable::SetWeights(true);
    auto slot = ItemStackSlot::New(kItemTurboSneakers, kRouletteIntervalMs);
    // 300 ms: 18 updates of 16 ms leave 12 ms, the 19th crosses.
    for (int n = 0; n < 18; ++n) {
        slot->Update(kStepMs);
    }
    EXPECT_EQ(slot->GetItemType(), kItemTurboSneakers);
    slot->Update(kStepMs);
    EXPECT_EQ(slot->GetItemType(), kItemBallAndChain);
    EXPECT_EQ(slot->GetDynamicTypeChangeCountdown(), kRouletteIntervalMs);
    EXPECT_FLOAT_EQ(slot->scale.x, 1.0f);   // roulette steps do not pop

    // Over many steps it never shows 0, 7 or the roulette itself.
    for (int n = 0; n < 2000; ++n) {
        slot->Update(kStepMs);
        EXPECT_NE(slot->GetItemType(), kItemPickaxe);
        EXPECT_NE(slot->GetItemType(), kItemMightyShovel);
        EXPECT_LT(slot->GetItemType(), kItemRoulette);
    }

    // Stopped, it keeps what it shows; an empty slot never cycles.
    const int shown = slot->GetItemType();
    slot->SetDynamicTypeChangeInterval(0);
    for (int n = 0; n < 40; ++n) {
        slot->Update(kStepMs);
    }
    EXPECT_EQ(slot->GetItemType(), shown);
    auto empty = ItemStackSlot::New(kItemNone, kRouletteIntervalMs);
    for (int n = 0; n < 40; ++n) {
        empty->Update(kStepMs);
    }
    EXPECT_EQ(empty->GetItemType(), kItemNone);
}

TEST_F(ItemStackSlotTest, PopGrowsTheIconOver200Ms)
{
    auto slot = ItemStackSlot::New(kItemNone, 0);
    slot->SetItemType(kItemTeleporter, true);
    EXPECT_FLOAT_EQ(slot->scale.x, 0.0f);
    slot->Update(100);
    EXPECT_NEAR(slot->scale.x, 0.5f, 1e-5f);
    EXPECT_FLOAT_EQ(slot->scale.y, slot->scale.x);
    slot->Update(100);
    slot->Update(kStepMs);
    EXPECT_FLOAT_EQ(slot->scale.x, 1.0f);
    // A plain set during a pop cuts it short.
    slot->SetItemType(kItemHyperHand, true);
    slot->Update(50);
    slot->SetItemType(kItemIceWand, false);
    slot->Update(kStepMs);
    EXPECT_FLOAT_EQ(slot->scale.x, 1.0f);
}

TEST_F(ItemStackSlotTest, ShakeSwingsThenSettles)
{
    auto slot = ItemStackSlot::New(kItemIceWand, 0);
    slot->Shake(kShakeMs);
    slot->Update(255);   // 45 ms left: 5 x sin(90 degrees)
    EXPECT_NEAR(slot->rotation, 5.0f, 1e-4f);
    slot->Update(30);    // 15 ms left: 5 x sin(30 degrees)
    EXPECT_NEAR(slot->rotation, 2.5f, 1e-4f);
    slot->Update(1000);  // floored at 0
    EXPECT_EQ(slot->GetShakeTime(), 0);
    EXPECT_FLOAT_EQ(slot->rotation, 0.0f);

    slot->Shake(kShakeMs);
    slot->Update(255);
    slot->StopShake();
    EXPECT_FLOAT_EQ(slot->rotation, 0.0f);
    slot->Update(kStepMs);
    EXPECT_FLOAT_EQ(slot->rotation, 0.0f);
}

TEST_F(ItemStackSlotTest, CopyTakesTypeAndRestartsTheRoulette)
{
    auto from = ItemStackSlot::New(kItemTurboSneakers, kRouletteIntervalMs);
    from->Update(200);
    auto to = ItemStackSlot::New(kItemNone, 0);
    to->CopyItem(*from);
    EXPECT_EQ(to->GetItemType(), kItemTurboSneakers);
    EXPECT_EQ(to->GetDynamicTypeChangeInterval(), kRouletteIntervalMs);
    EXPECT_EQ(to->GetDynamicTypeChangeCountdown(), kRouletteIntervalMs);
    EXPECT_FLOAT_EQ(to->scale.x, 0.0f);   // copies pop in
}

}  // namespace
}  // namespace zelka
