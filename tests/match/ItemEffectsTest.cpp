#include "match/items/ItemEffects.h"

#include <gtest/gtest.h>

#include <tuple>

#include "ItemTestSupport.h"
#include "match/items/ItemConstants.h"
#include "match/items/ItemStackSlot.h"
#include "services/player/PlayerStats.h"
#include "tests/engine/MediaTestSupport.h"

namespace zelka {
namespace {

using itemtest::FakeMaze;
using itemtest::FakeUser;
using itemtest::SoundLog;
using itemtest::Types;

constexpr int kCh1 = 1;   // player 1's channel
constexpr int kVoice = 3;

class ItemEffectsTest : public testing_media::RecordingFixture {
protected:
    void SetUp() override
    {
        RecordingFixture::SetUp();
        device_.AddFakeImage("item_icons.png", 320, 32);
        PlayerData::ResetPlayerCounter();
        user_ = std::make_unique<FakeUser>(PlayerData::New());
        opponent_ = std::make_unique<FakeUser>(PlayerData::New());
        user_->tileC = 1;
        user_->tileR = 3;
        opponent_->tileC = 7;
        opponent_->tileR = 5;
        stats_ = PlayerStats::New();
        rules_ = {false, true, stats_.get()};
    }

    // Gives the user one item and uses it.
    bool UseOne(int type)
    {
        user_->Stack().Add(type, 0);
        return Use();
    }
    bool Use() { return ItemEffects::UseCurrentItem(*user_, *opponent_, maze_, rules_); }

    std::unique_ptr<FakeUser> user_;
    std::unique_ptr<FakeUser> opponent_;
    FakeMaze maze_;
    Ref<PlayerStats> stats_;
    ItemUseRules rules_;
    SoundLog sounds_;
};

TEST_F(ItemEffectsTest, PickaxeShovelAndTrapSwitchActOnTheUserAndTheMaze)
{
    ASSERT_TRUE(UseOne(kItemPickaxe));
    EXPECT_EQ(std::pair(user_->buff, user_->buffMs), std::pair(kBuffWallBreaker, 5000));
    EXPECT_TRUE(sounds_.Has(kSfxPickaxe, kCh1) && sounds_.Has(400, kVoice));
    EXPECT_EQ(std::pair(user_->Stack().GetTotalItems(), opponent_->faceShakeMs), std::pair(0, 0));   // no hit

    ASSERT_TRUE(UseOne(kItemTrapSwitch));
    EXPECT_TRUE(maze_.blocksUp);
    ASSERT_TRUE(UseOne(kItemTrapSwitch));          // up: the second switch lowers them
    EXPECT_FALSE(maze_.blocksUp);
    EXPECT_TRUE(sounds_.Has(403, kVoice));
    // Self items work while the opponent is out of reach.
    opponent_->state = kCharUnderground;
    ASSERT_TRUE(UseOne(kItemMightyShovel));
    EXPECT_EQ(user_->digs, 1);
    EXPECT_TRUE(sounds_.Has(kSfxDig, kCh1));
    EXPECT_EQ(std::pair(stats_->GetItemUses(1, kItemMightyShovel), stats_->GetItemUses(1, kItemTrapSwitch)),
              std::pair(1, 2));
}

TEST_F(ItemEffectsTest, TurboAndSlowCureEachOtherInsteadOfActing)
{
    ASSERT_TRUE(UseOne(kItemTurboSneakers));
    EXPECT_EQ(std::pair(user_->buff, user_->buffMs), std::pair(kBuffTurbo, 5000));
    EXPECT_TRUE(sounds_.Has(kSfxTurbo, kCh1));
    EXPECT_TRUE(user_->messages.empty());

    user_->buff = kBuffNone;
    user_->debuff = kDebuffSlow;
    sounds_.played.clear();
    ASSERT_TRUE(UseOne(kItemTurboSneakers));
    EXPECT_EQ(std::pair(user_->buff, user_->debuff), std::pair(kBuffNone, kBuffNone));
    EXPECT_EQ(user_->messages, (std::vector<String>{U"NORMAL"}));
    EXPECT_FALSE(sounds_.Has(kSfxTurbo, kCh1));
    EXPECT_TRUE(sounds_.Has(404, kVoice));
    // The ball and chain on a turbo opponent only ends the turbo: no hit.
    opponent_->buff = kBuffTurbo;
    ASSERT_TRUE(UseOne(kItemBallAndChain));
    EXPECT_EQ(std::pair(opponent_->buff, opponent_->debuff), std::pair(kBuffNone, kBuffNone));
    EXPECT_EQ(opponent_->messages, (std::vector<String>{U"NORMAL"}));
    EXPECT_FALSE(sounds_.Has(kSfxHit, kCh1));
    EXPECT_EQ(stats_->GetItemUses(1, kItemBallAndChain), 1);
}

TEST_F(ItemEffectsTest, DebuffItemsHitTheOpponentWithShakeAndQuake)
{
    struct Case {
        int item;
        int debuff;
        const char32_t* message;
    };
    for (const Case& c : {Case{kItemSqueakyHammer, kDebuffConfused, U"CONFUSE"},
                          Case{kItemBallAndChain, kDebuffSlow, U"SLOW"},
                          Case{kItemIceWand, kDebuffFrozen, U"FREEZE"}}) {
        SCOPED_TRACE(c.item);
        opponent_->debuff = kBuffNone;
        opponent_->messages.clear();
        opponent_->faceShakeMs = opponent_->quakeMs = 0;
        sounds_.played.clear();
        ASSERT_TRUE(UseOne(c.item));
        EXPECT_EQ((std::vector<int>{opponent_->debuff, opponent_->debuffMs, opponent_->faceShakeMs,
                                    opponent_->quakeMs}),
                  (std::vector<int>{c.debuff, 5000, 300, 300}));
        EXPECT_EQ(opponent_->messages, (std::vector<String>{c.message}));
        EXPECT_TRUE(opponent_->bigMessages);
        EXPECT_TRUE(sounds_.Has(kSfxHit, kCh1) && sounds_.Has(400 + c.item, kVoice));
        EXPECT_EQ(user_->Stack().GetTotalItems(), 0);
        EXPECT_EQ(user_->debuff, kBuffNone);
    }
}

TEST_F(ItemEffectsTest, TeleporterSwapsTilesWithoutAQuake)
{
    using Spots = std::vector<std::pair<float, float>>;
    ASSERT_TRUE(UseOne(kItemTeleporter));
    EXPECT_EQ(user_->teleports, (Spots{{maze_.TileCenterX(7), maze_.TileCenterY(5)}}));
    EXPECT_EQ(opponent_->teleports, (Spots{{maze_.TileCenterX(1), maze_.TileCenterY(3)}}));
    EXPECT_EQ(user_->messages, (std::vector<String>{U"SWITCH"}));
    EXPECT_EQ(opponent_->messages, (std::vector<String>{U"SWITCH"}));
    EXPECT_EQ(opponent_->faceShakeMs, 300);
    EXPECT_EQ(opponent_->quakeMs, 0);
    EXPECT_TRUE(sounds_.Has(401, kVoice));
}

TEST_F(ItemEffectsTest, HyperHandStealsTheNewestItem)
{
    opponent_->Stack().Add(kItemIceWand, 0);
    opponent_->Stack().Add(kItemTeleporter, 0);
    ASSERT_TRUE(UseOne(kItemHyperHand));
    EXPECT_EQ(Types(user_->Stack()), std::vector<int>{kItemTeleporter});
    EXPECT_EQ(Types(opponent_->Stack()), std::vector<int>{kItemIceWand});
    EXPECT_EQ(opponent_->messages, (std::vector<String>{U"ROBBED!"}));
    EXPECT_EQ(user_->messages, (std::vector<String>{U"STEAL!"}));
    EXPECT_TRUE(sounds_.Has(kSfxHit, 0));
    EXPECT_TRUE(sounds_.Has(406, kVoice));
    EXPECT_EQ(opponent_->quakeMs, 300);
    // Against an empty stack it fails and the hand stays.
    opponent_->Stack().Remove(0);
    sounds_.played.clear();
    user_->Stack().Remove(0);
    EXPECT_FALSE(UseOne(kItemHyperHand));
    EXPECT_EQ(Types(user_->Stack()), std::vector<int>{kItemHyperHand});
    EXPECT_TRUE(sounds_.played.empty());
}

TEST_F(ItemEffectsTest, OpponentItemsFailWhileTheOpponentIsOutOfReach)
{
    for (int state : {kCharTeleporting, kCharDigAnimation, kCharUnderground}) {
        opponent_->state = state;
        opponent_->Stack().Add(kItemPickaxe, 0);
        for (int item : {kItemTeleporter, kItemSqueakyHammer, kItemBallAndChain,
                         kItemHyperHand, kItemIceWand}) {
            SCOPED_TRACE(testing::Message() << "state " << state << " item " << item);
            user_->Stack().Add(item, 0);
            EXPECT_FALSE(Use());
            EXPECT_EQ(user_->Stack().GetItemType(user_->Stack().GetCursorPos()), item);
            user_->Stack().Remove(user_->Stack().GetCursorPos());
        }
    }
    EXPECT_EQ(opponent_->debuff, kBuffNone);
    EXPECT_TRUE(opponent_->teleports.empty());
    EXPECT_TRUE(sounds_.played.empty());
    EXPECT_EQ(stats_->GetTotalItemUses(kItemIceWand), 0);
}

TEST_F(ItemEffectsTest, AFrozenTeleportingOrDiggingUserCannotUseItems)
{
    user_->Stack().Add(kItemPickaxe, 0);
    user_->debuff = kDebuffFrozen;
    EXPECT_FALSE(Use());
    user_->debuff = kBuffNone;
    user_->state = kCharTeleporting;
    EXPECT_FALSE(Use());
    EXPECT_EQ(user_->centred, 0);
    // Underground the use key brings the character up instead.
    user_->state = kCharUnderground;
    EXPECT_FALSE(Use());
    EXPECT_EQ(std::pair(user_->resurfaced, user_->buff), std::pair(1, kBuffNone));
    EXPECT_EQ(Types(user_->Stack()), std::vector<int>{kItemPickaxe});
    EXPECT_EQ(stats_->GetTotalItemUses(kItemPickaxe), 0);
}

TEST_F(ItemEffectsTest, RouletteStopsFirstThenTheShownItemIsUsed)
{
    user_->Stack().Add(kItemTurboSneakers, kRouletteIntervalMs);
    user_->Stack().Update(kRouletteIntervalMs);    // one step: THE BALL&CHAIN
    const int shown = user_->Stack().GetItemType(0);
    ASSERT_NE(shown, kItemTurboSneakers);
    ASSERT_TRUE(Use());
    // No announcement and no statistics for a stop.
    EXPECT_EQ(sounds_.played, (std::vector<std::pair<int, int>>{{kSfxRouletteStop, kCh1}}));
    EXPECT_EQ(std::pair(stats_->GetTotalItemUses(shown), user_->Stack().GetTotalItems()), std::pair(0, 1));
    user_->Stack().Update(1000);
    EXPECT_EQ(user_->Stack().GetItemType(0), shown);   // stopped for good

    ASSERT_TRUE(Use());
    EXPECT_EQ(std::pair(user_->Stack().GetTotalItems(), stats_->GetItemUses(1, shown)), std::pair(0, 1));
    EXPECT_TRUE(sounds_.Has(400 + shown, kVoice));
}

TEST_F(ItemEffectsTest, StatisticsSkipTheDemoAndAComputerOpponent)
{
    rules_.attract = true;
    ASSERT_TRUE(UseOne(kItemPickaxe));
    EXPECT_EQ(stats_->GetTotalItemUses(kItemPickaxe), 0);
    EXPECT_TRUE(sounds_.Has(400, kVoice));          // the demo still announces it
    // Player 2 counts only when a human plays it.
    rules_ = {false, false, stats_.get()};
    opponent_->Stack().Add(kItemPickaxe, 0);
    ASSERT_TRUE(ItemEffects::UseCurrentItem(*opponent_, *user_, maze_, rules_));
    EXPECT_EQ(stats_->GetItemUses(2, kItemPickaxe), 0);
    rules_.twoPlayer = true;
    opponent_->Stack().Add(kItemPickaxe, 0);
    ASSERT_TRUE(ItemEffects::UseCurrentItem(*opponent_, *user_, maze_, rules_));
    EXPECT_EQ(std::pair(stats_->GetItemUses(1, kItemPickaxe), stats_->GetItemUses(2, kItemPickaxe)),
              std::pair(0, 1));
    EXPECT_TRUE(sounds_.Has(kSfxPickaxe, 2));       // on the user's own channel
}

TEST_F(ItemEffectsTest, ResurfacingNeedsAClearTile)
{
    user_->state = kCharUnderground;
    std::tie(maze_.wallC, maze_.wallR) = std::pair(user_->tileC, user_->tileR);
    ItemEffects::SafeResurface(*user_, maze_);
    EXPECT_EQ(user_->centred, 0);

    maze_.wallC = -1;
    std::tie(maze_.trapC, maze_.trapR) = std::pair(user_->tileC, user_->tileR);
    maze_.blocksUp = true;
    ItemEffects::SafeResurface(*user_, maze_);
    EXPECT_EQ(std::pair(user_->centred, user_->state), std::pair(0, kCharUnderground));

    maze_.blocksUp = false;                          // a lowered trap is plain floor
    ItemEffects::SafeResurface(*user_, maze_);
    EXPECT_EQ(std::pair(user_->centred, user_->resurfaced), std::pair(1, 1));
    EXPECT_TRUE(sounds_.Has(kSfxResurface, 0));
    // Still in the dig animation: centred again, no second sound.
    sounds_.played.clear();
    ItemEffects::SafeResurface(*user_, maze_);
    EXPECT_EQ(user_->centred, 2);
    EXPECT_TRUE(sounds_.played.empty());
}

}  // namespace
}  // namespace zelka
