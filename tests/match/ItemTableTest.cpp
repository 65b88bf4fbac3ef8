#include "match/items/ItemTable.h"

#include <gtest/gtest.h>

#include <array>

#include "engine/core/Random.h"
#include "match/items/ItemConstants.h"

namespace zelka {
namespace {

class ItemTableTest : public ::testing::Test {
protected:
    void SetUp() override { random::Seed = 1234; }
    void TearDown() override { ItemTable::SetWeights(false); }

    // Frequencies of RandomItemId over `draws` draws, by id.
    static std::array<int, kInventoryItemTypes> Draw(int draws)
    {
        std::array<int, kInventoryItemTypes> counts{};
        for (int n = 0; n < draws; ++n) {
            const int id = ItemTable::RandomItemId();
            EXPECT_GE(id, 0);
            EXPECT_LT(id, kInventoryItemTypes);
            if (id >= 0 && id < kInventoryItemTypes) {
                ++counts[static_cast<size_t>(id)];
            }
        }
        return counts;
    }
};

TEST_F(ItemTableTest, VersusDrawsFollowTheWeights)
{
    ItemTable::SetWeights(false);
    ASSERT_EQ(ItemTable::WeightSum(), 126);
    constexpr int kDraws = 100000;
    const auto counts = Draw(kDraws);
    for (int id = 0; id < kInventoryItemTypes; ++id) {
        const double share = static_cast<double>(counts[static_cast<size_t>(id)]) / kDraws;
        EXPECT_NEAR(share, ItemTable::Probability(id), 0.01) << "id " << id;
        EXPECT_GT(counts[static_cast<size_t>(id)], 0) << "id " << id;
    }
}

TEST_F(ItemTableTest, RaceNeverDropsThePickaxeOrTheShovel)
{
    ItemTable::SetWeights(true);
    EXPECT_EQ(ItemTable::WeightSum(), 109);
    constexpr int kDraws = 50000;
    const auto counts = Draw(kDraws);
    EXPECT_EQ(counts[kItemPickaxe], 0);
    EXPECT_EQ(counts[kItemMightyShovel], 0);
    EXPECT_FLOAT_EQ(ItemTable::Probability(kItemPickaxe), 0.0f);
    for (int id : {1, 2, 3, 4, 5, 6, 8, 9}) {
        const double share = static_cast<double>(counts[static_cast<size_t>(id)]) / kDraws;
        EXPECT_NEAR(share, ItemTable::Probability(id), 0.012) << "id " << id;
    }
    // Switching back restores the versus table.
    ItemTable::SetWeights(false);
    EXPECT_EQ(ItemTable::WeightSum(), 126);
    EXPECT_GT(ItemTable::Weight(kItemPickaxe), 0);
}

// Finds a seed whose next draw gives int(126 x Rnd()) == r.
uint32_t SeedGiving(int r)
{
    for (uint32_t seed = 1;; ++seed) {
        random::Seed = seed;
        if (static_cast<int>(126.0f * random::Rnd()) == r) {
            return seed;
        }
    }
}

TEST_F(ItemTableTest, RunningTotalMustExceedTheDraw)
{
    ItemTable::SetWeights(false);
    // r = 4 is still inside the pickaxe's 5; r = 5 equals its total and falls to the next.
    random::Seed = SeedGiving(4);
    EXPECT_EQ(ItemTable::RandomItemId(), kItemPickaxe);
    random::Seed = SeedGiving(5);
    EXPECT_EQ(ItemTable::RandomItemId(), kItemTeleporter);
    random::Seed = SeedGiving(125);
    EXPECT_EQ(ItemTable::RandomItemId(), kItemRoulette);
    // One draw, no more.
    const uint32_t seed = SeedGiving(0);
    random::Seed = seed;
    (void)random::Rnd();
    const uint32_t afterOne = random::Seed;
    random::Seed = seed;
    (void)ItemTable::RandomItemId();
    EXPECT_EQ(random::Seed, afterOne);
}

TEST_F(ItemTableTest, RouletteStepSkipsUndroppableItemsAndNeverShowsTheRoulette)
{
    ItemTable::SetWeights(false);
    EXPECT_EQ(ItemTable::NextPossibleItem(kItemIceWand), kItemPickaxe);   // 8 wraps to 0, not 9
    ItemTable::SetWeights(true);
    EXPECT_EQ(ItemTable::NextPossibleItem(kItemIceWand), kItemTeleporter);  // 0 weighs nothing
    EXPECT_EQ(ItemTable::NextPossibleItem(kItemHyperHand), kItemIceWand);   // 7 neither
    // A full lap of the race roulette visits the seven droppable icons once each.
    int type = kItemTurboSneakers;
    std::array<int, kIconItemTypes> seen{};
    for (int n = 0; n < 7; ++n) {
        type = ItemTable::NextPossibleItem(type);
        ++seen[static_cast<size_t>(type)];
    }
    EXPECT_EQ(type, kItemTurboSneakers);
    EXPECT_EQ(seen, (std::array<int, kIconItemTypes>{0, 1, 1, 1, 1, 1, 1, 0, 1}));
}

}  // namespace
}  // namespace zelka
