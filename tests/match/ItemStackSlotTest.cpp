#include "match/items/ItemStackSlot.h"

#include <gtest/gtest.h>

#include "match/items/ItemConstants.h"
#include "match/items/ItemTable.h"
#include "tests/engine/MediaTestSupport.h"
#include "tests/support/UpdateStep.h"

namespace zelka {
namespace {

using testing::kStepMs;

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
    void Run(ItemStackSlot& slot, int updates)
    {
        for (int n = 0; n < updates; ++n) slot.Update(kStepMs);
    }
};

// 300 ms: 18 updates of 16 ms leave 12 ms, the 19th crosses. Roulette steps do not pop,
// never show 0, 7 or the roulette itself in a race; stopped, it keeps what it shows; a
// plain or an empty slot never cycles; a copy takes the type and restarts the roulette.
TEST_F(ItemStackSlotTest, RouletteChangesEveryIntervalAndSkipsUndroppableItems)
{
    ItemTable::SetWeights(true);
    auto slot = ItemStackSlot::New(kItemTurboSneakers, kRouletteIntervalMs);
    Run(*slot, 18);
    EXPECT_EQ(slot->GetItemType(), kItemTurboSneakers);
    slot->Update(kStepMs);
    EXPECT_EQ(slot->GetItemType(), kItemBallAndChain);
    EXPECT_EQ(slot->GetDynamicTypeChangeCountdown(), kRouletteIntervalMs);
    EXPECT_FLOAT_EQ(slot->scale.x, 1.0f);
    for (int n = 0; n < 2000; ++n) {
        slot->Update(kStepMs);
        const int type = slot->GetItemType();
        ASSERT_TRUE(type != kItemPickaxe && type != kItemMightyShovel && type < kItemRoulette) << type;
    }
    auto to = ItemStackSlot::New(kItemNone, 0);
    to->CopyItem(*slot);
    EXPECT_EQ((std::vector<int>{to->GetItemType(), to->GetDynamicTypeChangeInterval(),
                                to->GetDynamicTypeChangeCountdown()}),
              (std::vector<int>{slot->GetItemType(), kRouletteIntervalMs, kRouletteIntervalMs}));
    EXPECT_FLOAT_EQ(to->scale.x, 0.0f);   // copies pop in

    const int shown = slot->GetItemType();
    slot->SetDynamicTypeChangeInterval(0);
    Run(*slot, 40);
    EXPECT_EQ(slot->GetItemType(), shown);
    auto empty = ItemStackSlot::New(kItemNone, kRouletteIntervalMs);
    auto plain = ItemStackSlot::New(kItemIceWand, 0);
    Run(*empty, 40);
    Run(*plain, 40);
    EXPECT_EQ(std::pair(empty->GetItemType(), plain->GetItemType()), std::pair(kItemNone, kItemIceWand));
    plain->SetItemType(-3, false);   // any negative type is the empty icon
    EXPECT_EQ(plain->GetCurrentSequence(), U"ITEM_NONE");
}

// A pop grows the icon over 200 ms (a plain set cuts it short); a shake swings 5 degrees
// by the sine of the time left, then settles or stops at once.
TEST_F(ItemStackSlotTest, PopAndShake)
{
    auto slot = ItemStackSlot::New(kItemNone, 0);
    slot->SetItemType(kItemTeleporter, true);
    EXPECT_FLOAT_EQ(slot->scale.x, 0.0f);
    slot->Update(100);
    EXPECT_NEAR(slot->scale.x, 0.5f, 1e-5f);
    EXPECT_FLOAT_EQ(slot->scale.y, slot->scale.x);
    slot->Update(100 + kStepMs);
    EXPECT_FLOAT_EQ(slot->scale.x, 1.0f);
    slot->SetItemType(kItemHyperHand, true);
    slot->Update(50);
    slot->SetItemType(kItemIceWand, false);
    slot->Update(kStepMs);
    EXPECT_FLOAT_EQ(slot->scale.x, 1.0f);

    slot->Shake(kShakeMs);
    slot->Update(255);   // 45 ms left: 5 x sin(90 degrees)
    EXPECT_NEAR(slot->rotation, 5.0f, 1e-4f);
    slot->Update(30);    // 15 ms left: 5 x sin(30 degrees)
    EXPECT_NEAR(slot->rotation, 2.5f, 1e-4f);
    slot->Update(1000);  // floored at 0
    EXPECT_EQ(std::pair(slot->GetShakeTime(), slot->rotation), std::pair(0, 0.0f));
    slot->Shake(kShakeMs);
    slot->Update(255);
    slot->StopShake();
    EXPECT_FLOAT_EQ(slot->rotation, 0.0f);
    slot->Update(kStepMs);
    EXPECT_FLOAT_EQ(slot->rotation, 0.0f);
}

}  // namespace
}  // namespace zelka
