#pragma once

// Shared set-up of the computer-player tests: a maze, the AI's character and an opponent,
// items on tiles through the tile map, and match updates as the stage runs them.

#include "MatchTestSupport.h"
#include "match/ai/AILogic.h"
#include "match/ai/AIConstants.h"
#include "match/character/Character.h"
#include "match/items/ItemConstants.h"
#include "match/items/ItemStack.h"
#include "match/maze/MazeItem.h"
#include "services/player/PlayerData.h"

#include <vector>

namespace zelka::aitest {

// An item lying on a tile, with the type the AI reads through its seam.
class TypedItem : public MazeItem {
public:
    explicit TypedItem(int t) : type(t) {}
    int GetLifetime() const override { return lifetime; }
    void SetActive(bool on) override { active = on; }
    int type;
    int lifetime = -1;
    bool active = true;
};

// A player record whose item use is a stand-in: the shovel digs, anything else just goes;
// a cycling roulette only stops. Records every use.
class ItemUsingStage : public PlayerStageData {
public:
    bool UseCurrentItem() override
    {
        const int slot = itemStack ? itemStack->GetCursorPos() : -1;
        if (slot < 0 || refuse) {
            return false;
        }
        if (itemStack->StopDynamicItem(slot)) {
            stops.push_back(slot);
            return true;
        }
        used.push_back(itemStack->GetItemType(slot));
        if (used.back() == kItemMightyShovel) {
            character->Dig();
        }
        itemStack->Remove(slot);
        return true;
    }
    std::vector<int> used;
    std::vector<int> stops;
    bool refuse = false;
};

class AIFixture : public matchtest::MazeFixture {
protected:
    void SetUp() override
    {
        MazeFixture::SetUp();
        PlayerData::ResetPlayerCounter();
        player1_ = PlayerData::New();
        player2_ = PlayerData::New();
    }

    void TearDown() override
    {
        for (auto* s : {me_.get(), them_.get()}) {
            if (s->character) s->character->Deallocate();
            if (s->itemStack) s->itemStack->Deallocate();
        }
        MazeFixture::TearDown();
    }

    // The AI (player 2) on `start`, facing its first exit; the opponent (player 1) on
    // `opponent`. Items are read as TypedItem.
    void Build(const ExtendedMaze& cells, TilePos start, TilePos opponent = {1, 1})
    {
        maze_ = MakeMaze(cells);
        EventManager::RemoveAllListeners();
        Place(*me_, player2_.get(), start);
        Place(*them_, player1_.get(), opponent);
        ai_ = AILogic::New(me_.get(), them_.get());
        ai_->itemTypeOf = [](const MazeItem& item) {
            return static_cast<const TypedItem&>(item).type;
        };
        me_->character->SetDirection(maze_->GetFirstExitFromCell(start.c, start.r));
    }

    void Place(PlayerStageData& s, PlayerData* player, TilePos tile)
    {
        s.playerData = player;
        s.maze = maze_.get();
        s.character = Character::New(U"Player", player);
        s.character->position->Set(maze_->TileCenterX(tile.c), maze_->TileCenterY(tile.r));
        s.collisionBox = CollisionBox::New(s.collisionAnchor, 0, 0, 32, 32, nullptr);
        s.itemStack = ItemStack::New(*player);
        s.tileC = tile.c;
        s.tileR = tile.r;
        EventManager::RegisterListener(maze_, s.character, kEventAnyId);
    }

    Ref<TypedItem> Put(int c, int r, int type)
    {
        auto item = std::make_shared<TypedItem>(type);
        maze_->GetMazeBaseGDO()->SetItemAtCell(c, r, item);
        return item;
    }

    // One match update of the AI's player: control, character, then the move event.
    void Step()
    {
        ai_->Update(matchtest::kStep);
        Character& ch = *me_->character;
        ch.Update(matchtest::kStep);
        me_->collisionAnchor->Set(ch.position->x, ch.position->y);
        EventManager::SendEvent(&ch, kEventMoved, me_.get());
    }

    // A row of `length` cells with every inner wall open.
    static Ref<ExtendedMaze> Corridor(int length)
    {
        auto cells = ExtendedMaze::New(length, 1);
        for (int x = 0; x + 1 < length; ++x) cells->RemoveWall(x, x + 1);
        return cells;
    }

    Ref<PlayerData> player1_;
    Ref<PlayerData> player2_;
    Ref<GameMaze> maze_;
    Ref<ItemUsingStage> me_ = std::make_shared<ItemUsingStage>();
    Ref<ItemUsingStage> them_ = std::make_shared<ItemUsingStage>();
    Ref<AILogic> ai_;
};

}  // namespace zelka::aitest
