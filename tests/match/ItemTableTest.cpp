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
};

// Over many draws each id's share matches its weight (126 in all in versus, 109 in a race
// where the pickaxe and the shovel weigh nothing and never come).
TEST_F(ItemTableTest, DrawsFollowTheWeightsOfVersusAndRace)
{
    for (const bool race : {false, true, false}) {   // and back again
        SCOPED_TRACE(race ? "race" : "versus");
        ItemTable::SetWeights(race);
        EXPECT_EQ(ItemTable::WeightSum(), race ? 109 : 126);
        constexpr int kDraws = 100000;
        std::array<int, kInventoryItemTypes> counts{};
        for (int n = 0; n < kDraws; ++n) {
            const int id = ItemTable::RandomItemId();
            ASSERT_TRUE(id >= 0 && id < kInventoryItemTypes) << id;
            ++counts[static_cast<size_t>(id)];
        }
        for (int id = 0; id < kInventoryItemTypes; ++id) {
            const double share = static_cast<double>(counts[static_cast<size_t>(id)]) / kDraws;
            EXPECT_NEAR(share, ItemTable::Probability(id), 0.01) << "id " << id;
            const bool never = race && (id == kItemPickaxe || id == kItemMightyShovel);
            EXPECT_EQ(counts[static_cast<size_t>(id)] == 0, never) << "id " << id;
        }
    }
}

// Finds a seed whose next draw gives int(126 x Rnd()) == r.
uint32_t SeedGiving(int r)
{
    for (uint32_t seed = 1;; ++seed) {
        random::Seed = seed;
        if (static_cast<int>(126.0f * random::Rnd()) == r) return seed;
    }
}

// r = 4 is still inside the pickaxe's 5; r = 5 equals its total and falls to the next.
// One draw, no more.
TEST_F(ItemTableTest, RunningTotalMustExceedTheDraw)
{
    ItemTable::SetWeights(false);
    for (const auto& [r, id] : {std::pair{4, kItemPickaxe}, {5, kItemTeleporter}, {125, kItemRoulette}}) {
        random::Seed = SeedGiving(r);
        EXPECT_EQ(ItemTable::RandomItemId(), id) << r;
    }
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
