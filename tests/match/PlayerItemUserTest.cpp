#include "match/items/PlayerItemUser.h"

#include <gtest/gtest.h>

#include <array>

#include "MatchTestSupport.h"
#include "engine/collision/BasicBoxEngine.h"
#include "engine/ui/VerticalShaker.h"
#include "match/character/Character.h"
#include "match/items/ItemManager.h"
#include "match/items/ItemStack.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"

namespace zelka {
namespace {

using matchtest::kStep;

// Two real characters on a corridor of four cells, hung on the game's two players.
class PlayerItemUserTest : public matchtest::MazeFixture {
protected:
    void SetUp() override
    {
        MazeFixture::SetUp();
        savedPlayers_ = {GameData::player1, GameData::player2};
        cells_ = matchtest::Corridor(4);
        maze_ = MakeMaze(*cells_);
        PlayerData::ResetPlayerCounter();
        for (int n = 0; n < 2; ++n) {
            auto player = PlayerData::New();
            player->character = CharProfile::New(U"mira", U"MIRA", 0);
            player->character->SetSprite(40, 10);
            auto data = std::make_shared<PlayerStageData>();
            data->playerData = player.get();
            data->character = Character::New(U"Player", player.get());
            data->maze = maze_.get();
            data->itemStack = ItemStack::New(*player);
            data->tileC = n == 0 ? 1 : 7;
            data->tileR = 1;
            data->character->position->Set(maze_->TileCenterX(data->tileC), maze_->TileCenterY(1));
            data->collisionBox = CollisionBox::New(data->collisionAnchor, 0, 0, 20, 20, nullptr);
            // Each player shown in a window of its own, as on a split screen.
            data->windowShaker = VerticalShaker::New(std::make_shared<Vector>());
            player->stageData = data;
            players_[static_cast<size_t>(n)] = player;
        }
        GameData::player1 = players_[0];
        GameData::player2 = players_[1];
    }

    void TearDown() override
    {
        for (const auto& player : players_) {
            player->stageData->character->Deallocate();
            player->stageData.reset();
        }
        GameData::player1 = savedPlayers_[0];
        GameData::player2 = savedPlayers_[1];
        MazeFixture::TearDown();
    }

    PlayerStageData& Data(int n) { return *players_[static_cast<size_t>(n - 1)]->stageData; }
    Character& Char(int n) { return *Data(n).character; }

    Ref<ExtendedMaze> cells_;
    Ref<GameMaze> maze_;
    std::array<Ref<PlayerData>, 2> players_;
    std::array<Ref<PlayerData>, 2> savedPlayers_;
};

TEST_F(PlayerItemUserTest, IceWandFreezesAndTheTeleporterBeamsTheRealCharacters)
{
    Data(1).itemStack->Add(kItemIceWand, 0);
    ASSERT_TRUE(UsePlayerItem(Data(1)));
    EXPECT_EQ(std::pair(Char(2).GetCurrentDeBuff(), Char(2).GetCurrentDeBuffTimer()),
              std::pair(kDebuffFrozen, 5000));
    EXPECT_EQ(hooks.labels, (std::vector<String>{U"FREEZE"}));
    EXPECT_EQ(hooks.labelPlayers, (std::vector<int>{2}));
    EXPECT_EQ(hooks.faces, (std::vector<std::vector<int>>{{2, 300, 0}}));
    // Player 2's window quakes, not player 1's, and not through the stage's quake of both.
    EXPECT_EQ(std::pair(Data(1).windowShaker->IsShaking(), Data(2).windowShaker->IsShaking()),
              std::pair(false, true));
    EXPECT_TRUE(hooks.quakes.empty());
    EXPECT_EQ(Data(1).itemStack->GetTotalItems(), 0);
    // Frozen, player 2 cannot use anything.
    Data(2).itemStack->Add(kItemSqueakyHammer, 0);
    EXPECT_FALSE(UsePlayerItem(Data(2)));
    EXPECT_EQ(Char(1).GetCurrentDeBuff(), kBuffNone);
    // A teleporter starts both beams without a quake; a second swap is refused while
    // they are both in the beam.
    Char(2).SetCurrentDebuff(kBuffNone, 0);
    for (int t = 0; t <= 300; t += kStep) Data(2).windowShaker->Process2(kStep);
    ASSERT_FALSE(Data(2).windowShaker->IsShaking());
    Data(1).itemStack->Add(kItemTeleporter, 0);
    ASSERT_TRUE(UsePlayerItem(Data(1)));
    EXPECT_EQ(std::pair(Char(1).GetState(), Char(2).GetState()),
              std::pair(kCharTeleporting, kCharTeleporting));
    EXPECT_FALSE(Data(1).windowShaker->IsShaking() || Data(2).windowShaker->IsShaking());
    EXPECT_TRUE(hooks.quakes.empty());
    Data(1).itemStack->Add(kItemTeleporter, 0);
    EXPECT_FALSE(UsePlayerItem(Data(1)));
}

TEST_F(PlayerItemUserTest, UseKeyUndergroundComesUpOnTheTileCentre)
{
    Data(1).itemStack->Add(kItemMightyShovel, 0);
    ASSERT_TRUE(UsePlayerItem(Data(1)));
    EXPECT_TRUE(Char(1).IsDigging());
    for (int n = 0; n < 60 && Char(1).GetState() != kCharUnderground; ++n) Char(1).Update(kStep);
    ASSERT_EQ(Char(1).GetState(), kCharUnderground);
    Char(1).position->Set(maze_->TileCenterX(1) + 5.0f, maze_->TileCenterY(1) - 3.0f);
    EXPECT_FALSE(UsePlayerItem(Data(1)));
    EXPECT_EQ(Char(1).GetState(), kCharDigAnimation);
    EXPECT_EQ(std::pair(Char(1).position->x, Char(1).position->y),
              std::pair(maze_->TileCenterX(1), maze_->TileCenterY(1)));
    EXPECT_EQ(SfxCount(21), 1);
}

TEST_F(PlayerItemUserTest, RegisteredPlayersTakeItemsThroughTheirBoxes)
{
    ItemRules rules;
    rules.gemsInItems = 4;
    auto manager = ItemManager::New(BasicBoxEngine::New(400, 400, U"BOX"), rules);
    manager->RegisterForPlayerEvents();
    const Ref<Item> chest = manager->AddNewItem(kItemHyperHand, *maze_, 7, 1, false);
    ASSERT_TRUE(chest);
    CollisionData data;
    data.other = chest->box;
    data.overlap.Set(12.0f, 12.0f);
    EventManager::SendEvent(Data(2).collisionBox.get(), kEventSolidContact, &data);
    EXPECT_EQ(std::pair(players_[0]->score, players_[1]->score), std::pair(0, 4));
    EXPECT_EQ(Data(2).itemStack->GetItemType(0), kItemHyperHand);
    EXPECT_EQ(hooks.labels, (std::vector<String>{U"HYPER HAND!"}));
    EXPECT_EQ(hooks.labelBig, (std::vector<bool>{false}));
    manager->Deallocate();
}

}  // namespace
}  // namespace zelka
