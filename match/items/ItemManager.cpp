#include "match/items/ItemManager.h"

#include "engine/audio/SoundManager.h"
#include "engine/collision/BasicBoxEngine.h"
#include "engine/media/MediaConstants.h"
#include "engine/media/StringObject.h"
#include "engine/stage/Game.h"
#include "match/MatchConstants.h"
#include "match/PlayerStageData.h"
#include "match/items/ItemStack.h"
#include "match/items/ItemTable.h"
#include "match/items/ItemUser.h"
#include "match/items/PlayerItemUser.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameMode.h"
#include "services/settings/StageSettings.h"

// The manager's table, players and pick-ups; placing, removing and respawning items on the
// maze is in ItemManagerMaze.cpp.

namespace zelka {

namespace {

constexpr int kResultsStage = 4;          // the results screen
constexpr int kPlayers = 2;
constexpr int kIdolScore = 1337;
constexpr int kGemScore = 1;

const String kIdle = U"idle";
const String kRespawn = U"item_respawn";

}  // namespace

ItemRules ItemRules::FromGameData()
{
    ItemRules rules;
    rules.race = GameData::GetCurrentGameType() == kGameKindIdolRace;
    if (const Ref<StageSettings>& settings = GameData::gameSettings) {
        rules.cornerTreasure = settings->GetCornerTreasure();
        rules.gemsInItems = settings->GetGemsInItems();
        rules.itemSpawn = settings->GetItemSpawn();
        rules.gemRespawnMs = settings->GetGemRespawnTime();
    }
    return rules;
}

ItemManager::ItemManager(Ref<BasicBoxEngine> engine, const ItemRules& rules)
    : engine_(std::move(engine)), rules_(rules)
{
    goToStage = [](int stageId) {
        if (Game* game = Game::GetCurrentGame()) {
            game->GoToStage(stageId);
        }
    };
}

ItemManager::~ItemManager() = default;

Ref<ItemManager> ItemManager::New(Ref<BasicBoxEngine> engine)
{
    return New(std::move(engine), ItemRules::FromGameData());
}

Ref<ItemManager> ItemManager::New(Ref<BasicBoxEngine> engine, const ItemRules& rules)
{
    auto manager = std::make_shared<ItemManager>(std::move(engine), rules);
    ItemTable::SetWeights(rules.race);
    EventManager::RegisterListener(manager, nullptr, kEventSequenceEnded);
    return manager;
}

int ItemManager::RandomItemId()
{
    return ItemTable::RandomItemId();
}

String ItemManager::ItemName(int type)
{
    return ItemTable::Name(type);
}

int ItemManager::GetItemCategory(int type)
{
    return ItemTable::Category(type);
}

float ItemManager::GetItemProbability(int id)
{
    return ItemTable::Probability(id);
}

int ItemManager::ItemScoreByType(int type) const
{
    if (rules_.race) {
        return type == kItemIdol ? kIdolScore : 0;
    }
    switch (type) {
    case kItemGem:
        return kGemScore;
    case kItemTreasure:
        return rules_.cornerTreasure;
    default:
        return IsInventoryItem(type) ? rules_.gemsInItems : 0;
    }
}

// ---- Players.

void ItemManager::RegisterForPlayerEvents()
{
    for (int number = 1; number <= kPlayers; ++number) {
        const Ref<PlayerData> player = GameData::GetPlayer(number);
        if (!player || !player->stageData) {
            continue;
        }
        PlayerStageData& data = *player->stageData;
        if (data.playerData == nullptr || !data.character || !data.collisionBox) {
            continue;
        }
        playerUsers_.push_back(std::make_unique<PlayerItemUser>(data));
        RegisterPlayer(*playerUsers_.back(), data.collisionBox);
    }
}

void ItemManager::RegisterPlayer(ItemUser& user, const Ref<CollisionBox>& box)
{
    if (!box) {
        return;
    }
    players_.push_back({box.get(), &user});
    const auto self = std::static_pointer_cast<ItemManager>(shared_from_this());
    EventManager::RegisterListener(self, box, kEventKinematicOverlap);
    EventManager::RegisterListener(self, box, kEventSolidContact);
}

// ---- Taking items.

void ItemManager::TakeItem(ItemUser& user, Item& item)
{
    item.lifetime = 0;
    PlayerData& player = user.GetPlayerData();
    player.score += ItemScoreByType(item.type);
    KillItem(item, false);
    const int channel = user.GetPlayerNumber();
    if (item.type == kItemGem) {
        ++player.gems;
        if (rules_.itemSpawn > 0 && player.gems % rules_.itemSpawn == 0 && item.maze) {
            SpawnChestNear(*item.maze, user.GetTileC(), user.GetTileR());
        }
    } else if (item.type == kItemTreasure) {
        ++player.treasures;
        SoundManager::PlaySFX(kSfxTreasureTaken, channel, false);
    } else if (IsInventoryItem(item.type)) {
        if (ItemStack* stack = user.GetItemStack()) {
            if (item.type == kItemRoulette) {
                stack->Add(kItemTurboSneakers, kRouletteIntervalMs);
            } else {
                stack->Add(item.type, 0);
            }
        }
        ++player.chests;
        SoundManager::PlaySFX(kSfxChestTaken, channel, false);
        user.ShowMessage(ItemTable::Name(item.type) + U"!", false);
    } else if (item.type == kItemIdol) {
        SoundManager::PlaySFX(kSfxMatchOver, kSfxChannelVoice, false);
        if (goToStage) {
            goToStage(kResultsStage);
        }
    }
}

void ItemManager::HandleTouch(CollisionBox& box, CollisionData& data)
{
    Item* item = data.other ? dynamic_cast<Item*>(data.other->userObject.get()) : nullptr;
    if (item == nullptr || item->box != data.other) {
        return;
    }
    // Items never block: the engine applies this very push after the event.
    data.push.Set(0.0f, 0.0f);
    const bool halfX = data.overlap.x >= item->box->halfWidth;
    const bool halfY = data.overlap.y >= item->box->halfHeight;
    if (!halfX && !halfY) {
        return;
    }
    for (const Player& player : players_) {
        if (player.box != &box) {
            continue;
        }
        if (player.user->GetCharacterState() != kCharWalking || !item->active ||
            item->lifetime == 0) {
            return;
        }
        // Kept alive while it is taken; its box leaves the engine after the pass.
        const Ref<Object> keep = item->shared_from_this();
        ++touchDepth_;
        TakeItem(*player.user, *item);
        --touchDepth_;
        return;
    }
}

void ItemManager::HandleEvent(Object* source, int id, Object* data)
{
    if (id == kEventSequenceEnded) {
        auto* sprite = dynamic_cast<Sprite*>(source);
        auto* name = dynamic_cast<StringObject*>(data);
        if (sprite && name && name->value == kRespawn) {
            sprite->PlaySequence(kIdle);
        }
        return;
    }
    if (id != kEventKinematicOverlap && id != kEventSolidContact) {
        return;
    }
    auto* box = dynamic_cast<CollisionBox*>(source);
    auto* collision = dynamic_cast<CollisionData*>(data);
    if (box && collision) {
        HandleTouch(*box, *collision);
    }
}

void ItemManager::Deallocate()
{
    for (const Ref<Item>& item : items_) {
        if (item->box) {
            item->box->userObject.reset();
        }
        item->sprite.reset();
        item->maze = nullptr;
    }
    items_.clear();
    removedBoxes_.clear();
    live_.clear();
    respawn_.clear();
    players_.clear();
    playerUsers_.clear();
}

}  // namespace zelka
