#include "match/items/ItemStack.h"

#include <gtest/gtest.h>

#include <vector>

#include "ItemTestSupport.h"
#include "engine/media/StaticImage.h"
#include "match/items/ItemStackSlot.h"
#include "services/player/PlayerData.h"
#include "tests/engine/MediaTestSupport.h"

namespace zelka {
namespace {

using itemtest::Types;

class ItemStackTest : public testing_media::RecordingFixture {
protected:
    void SetUp() override
    {
        RecordingFixture::SetUp();
        device_.AddFakeImage("item_icons.png", 320, 32);
        PlayerData::ResetPlayerCounter();
        player1_ = PlayerData::New();
        player2_ = PlayerData::New();
        stack_ = ItemStack::New(*player1_);
        other_ = ItemStack::New(*player2_);
    }

    static void Fill(ItemStack& stack, std::initializer_list<int> types)
    {
        for (int type : types) stack.Add(type, 0);
    }

    Ref<PlayerData> player1_;
    Ref<PlayerData> player2_;
    Ref<ItemStack> stack_;
    Ref<ItemStack> other_;
};

TEST_F(ItemStackTest, EmptyStackHasNoCursorAndTheFirstItemTakesIt)
{
    EXPECT_EQ(stack_->GetCursorPos(), -1);
    EXPECT_FALSE(stack_->GetCursorImage()->visible);
    EXPECT_EQ(stack_->GetItemType(0), kItemNone);
    stack_->MoveCursor(1);
    EXPECT_EQ(stack_->GetCursorPos(), -1);

    stack_->Add(kItemIceWand, 0);
    EXPECT_EQ(stack_->GetCursorPos(), 0);
    EXPECT_TRUE(stack_->GetCursorImage()->visible);
    stack_->Add(kItemPickaxe, 0);
    EXPECT_EQ(stack_->GetCursorPos(), 0);   // a later item leaves the selection alone
}

TEST_F(ItemStackTest, CursorWrapsOverTheHeldItemsOnly)
{
    Fill(*stack_, {kItemPickaxe, kItemTeleporter, kItemIceWand});
    // Back from the first: the last held item, not slot 3.
    for (const auto& [step, pos] : {std::pair{-1, 2}, {1, 0}, {1, 1}}) {
        stack_->MoveCursor(step);
        EXPECT_EQ(stack_->GetCursorPos(), pos) << step;
    }
    stack_->MoveCursor(0);    // hides the frame, keeps the selection
    EXPECT_FALSE(stack_->GetCursorImage()->visible);
    EXPECT_EQ(stack_->GetCursorPos(), 1);
}

TEST_F(ItemStackTest, FifthItemDropsTheOldestAndTheCursorKeepsItsItem)
{
    Fill(*stack_, {kItemPickaxe, kItemTeleporter, kItemSqueakyHammer, kItemTrapSwitch});
    stack_->MoveCursor(1);
    stack_->MoveCursor(1);    // on the hammer, slot 2
    stack_->Add(kItemIceWand, 0);
    EXPECT_EQ(Types(*stack_), (std::vector<int>{kItemTeleporter, kItemSqueakyHammer,
                                                kItemTrapSwitch, kItemIceWand}));
    EXPECT_EQ(stack_->GetCursorPos(), 1);   // still on the hammer
    // On the oldest item the cursor stays at 0 and shows what moved in.
    stack_->MoveCursor(-1);
    stack_->Add(kItemHyperHand, 0);
    EXPECT_EQ(stack_->GetCursorPos(), 0);
    EXPECT_EQ(Types(*stack_), (std::vector<int>{kItemSqueakyHammer, kItemTrapSwitch, kItemIceWand,
                                                kItemHyperHand}));
}

TEST_F(ItemStackTest, RemoveMovesLaterItemsDownAndKeepsTheCursorInside)
{
    Fill(*stack_, {kItemPickaxe, kItemTeleporter, kItemIceWand});
    EXPECT_FALSE(stack_->Remove(3));    // not held
    EXPECT_FALSE(stack_->Remove(-1));
    stack_->MoveCursor(1);              // slot 1
    ASSERT_TRUE(stack_->Remove(1));
    EXPECT_EQ(Types(*stack_), (std::vector<int>{kItemPickaxe, kItemIceWand}));
    EXPECT_EQ(stack_->GetCursorPos(), 1);   // now on the wand that moved in
    EXPECT_EQ(stack_->GetSlot(2).GetItemType(), kItemNone);

    ASSERT_TRUE(stack_->Remove(1));     // the last item: the cursor steps back
    EXPECT_EQ(stack_->GetCursorPos(), 0);
    ASSERT_TRUE(stack_->Remove(0));
    EXPECT_EQ(stack_->GetCursorPos(), -1);
    EXPECT_FALSE(stack_->GetCursorImage()->visible);
    // A shaking slot stops when its item goes.
    stack_->Add(kItemPickaxe, 0);
    stack_->ShakeCurrentItem();
    EXPECT_EQ(stack_->GetSlot(0).GetShakeTime(), kShakeMs);
    stack_->Remove(0);
    EXPECT_EQ(stack_->GetSlot(0).GetShakeTime(), 0);
}

TEST_F(ItemStackTest, StealIntoAFullStackFreesTheHandFirst)
{
    Fill(*stack_, {kItemPickaxe, kItemHyperHand, kItemTeleporter, kItemIceWand});
    stack_->MoveCursor(1);                      // the hand
    Fill(*other_, {kItemSqueakyHammer, kItemBallAndChain});
    ASSERT_TRUE(stack_->StealItemFromOtherStack(1, *other_));
    EXPECT_EQ(Types(*stack_), (std::vector<int>{kItemPickaxe, kItemTeleporter, kItemIceWand,
                                                kItemBallAndChain}));
    EXPECT_EQ(Types(*other_), (std::vector<int>{kItemSqueakyHammer}));
    EXPECT_EQ(other_->GetSlot(1).GetItemType(), kItemNone);
}

TEST_F(ItemStackTest, StealMovesTheVictimsSelectionOnlyWhenItsItemWasTaken)
{
    Fill(*stack_, {kItemHyperHand, kItemHyperHand});
    Fill(*other_, {kItemSqueakyHammer, kItemBallAndChain, kItemIceWand});
    // Victim on its first item: the newest goes, the selection stays on the hammer.
    ASSERT_TRUE(stack_->StealItemFromOtherStack(0, *other_));
    EXPECT_EQ(other_->GetCursorPos(), 0);
    // Victim on its newest item: the cursor steps back onto what is now the newest.
    other_->MoveCursor(1);
    ASSERT_TRUE(stack_->StealItemFromOtherStack(0, *other_));
    EXPECT_EQ(other_->GetCursorPos(), 0);
    EXPECT_EQ(Types(*other_), (std::vector<int>{kItemSqueakyHammer}));
}

// Stealing refuses an empty victim, an unheld slot or oneself; a stolen roulette keeps
// cycling in its new stack until stopped.
TEST_F(ItemStackTest, StealRefusalsAndAStolenRoulette)
{
    stack_->Add(kItemHyperHand, 0);
    EXPECT_FALSE(stack_->StealItemFromOtherStack(0, *other_));
    other_->Add(kItemIceWand, 0);
    EXPECT_FALSE(stack_->StealItemFromOtherStack(1, *other_));
    EXPECT_FALSE(stack_->StealItemFromOtherStack(0, *stack_));
    EXPECT_EQ(Types(*stack_), (std::vector<int>{kItemHyperHand}));
    EXPECT_EQ(Types(*other_), (std::vector<int>{kItemIceWand}));
    other_->Remove(0);
    other_->Add(kItemTurboSneakers, kRouletteIntervalMs);
    ASSERT_TRUE(stack_->StealItemFromOtherStack(0, *other_));
    EXPECT_TRUE(stack_->IsDynamicItem(0));
    EXPECT_FALSE(other_->IsDynamicItem(0));
    EXPECT_TRUE(stack_->StopDynamicItem(0));
    EXPECT_FALSE(stack_->StopDynamicItem(0));
    EXPECT_FALSE(stack_->IsDynamicItem(0));
}

TEST_F(ItemStackTest, FindCloserItemStartsAtTheCursorAndWraps)
{
    EXPECT_EQ(stack_->FindCloserItemOfType(kItemIceWand, 1), -1);   // no cursor
    Fill(*stack_, {kItemIceWand, kItemPickaxe, kItemTeleporter, kItemIceWand});
    stack_->MoveCursor(1);
    stack_->MoveCursor(1);                                           // slot 2
    EXPECT_EQ(stack_->FindCloserItemOfType(kItemTeleporter, 1), 2);  // its own slot first
    EXPECT_EQ(stack_->FindCloserItemOfType(kItemIceWand, 1), 3);
    EXPECT_EQ(stack_->FindCloserItemOfType(kItemIceWand, -1), 0);
    EXPECT_EQ(stack_->FindCloserItemOfType(kItemPickaxe, 1), 1);     // wraps past 3
    EXPECT_EQ(stack_->FindCloserItemOfType(kItemHyperHand, 1), -1);
}

}  // namespace
}  // namespace zelka
