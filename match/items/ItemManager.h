#pragma once

#include "engine/core/Cog.h"
#include "engine/core/EventManager.h"
#include "match/items/Item.h"
#include "match/items/SpawnScan.h"

#include <functional>
#include <memory>
#include <vector>

namespace zelka {

class BasicBoxEngine;
class CollisionBox;
class CollisionData;
class ExtendedMaze;
class GameMaze;
class ItemUser;
class PlayerItemUser;

// The match settings the items follow, read once when the manager is made.
struct ItemRules {
    bool race = false;        // a race for the idol: only the idol scores, items come back
    int cornerTreasure = 0;   // a treasure's score; above 1 the corners get treasures
    int gemsInItems = 0;      // a chest's score in versus
    int itemSpawn = 0;        // every n-th gem of a player brings a chest; 0 never
    int gemRespawnMs = 0;     // a taken gem comes back after this (versus)

    static ItemRules FromGameData();
};

// A taken item waiting to come back to its tile.
struct RespawnRequest {
    Item* item = nullptr;     // not owned: the manager's item list owns it
    int delay = 0;            // ms left; counts down only while the tile is free
};

// Everything that can be picked up in a match: places the starting items, turns a
// character's touch into score, inventory and sound, spawns chests as gems are taken,
// counts down lifetimes and brings items back. A cog of the match stage; it also listens
// to the players' collision boxes and to the item sprites' sequence ends.
//
// The manager owns every item from its creation until Deallocate, also while an item is
// off the map waiting to respawn.
class ItemManager : public Cog, public EventListener {
public:
    // The rules of the current match from the game data; sets the drop weights for it.
    static Ref<ItemManager> New(Ref<BasicBoxEngine> engine);
    static Ref<ItemManager> New(Ref<BasicBoxEngine> engine, const ItemRules& rules);
    ItemManager(Ref<BasicBoxEngine> engine, const ItemRules& rules);
    ~ItemManager() override;

    // ---- The item table (shared by every manager; see ItemTable).
    [[nodiscard]] static int RandomItemId();
    [[nodiscard]] static String ItemName(int type);
    [[nodiscard]] static int GetItemCategory(int type);
    [[nodiscard]] static float GetItemProbability(int id);
    // Points a take of this type is worth under the manager's rules.
    [[nodiscard]] int ItemScoreByType(int type) const;

    // ---- Players.
    // Every player with a character and a collision box in its match state takes items
    // through that box.
    void RegisterForPlayerEvents();
    // One player: its box's touches of item boxes become pick-ups for `user` (not owned:
    // the player's match state outlives the manager's events).
    void RegisterPlayer(ItemUser& user, const Ref<CollisionBox>& box);

    // ---- Placing items.
    // Race: chests on the item spots of `cells`, then the idol on a block trap at the end
    // of the track (trackCode: the track's orientation bits) with its light; versus: a gem
    // on every free floor tile and the corner treasures when the rules ask for them.
    void AddStartingItems(GameMaze& maze, const ExtendedMaze& cells, int trackCode);
    // An item of `type` on floor tile (col, row); with replace an item already there goes.
    // Null (with an ERROR line, except for gems) when the tile or type does not allow it.
    Ref<Item> AddNewItem(int type, GameMaze& maze, int col, int row, bool replace);
    // Puts the item on its tile with `lifetime` (ms, -1 for ever); without force a tile
    // that holds an item refuses. Returns whether it was placed.
    bool AddItemToItsMaze(Item& item, int lifetime, bool force);
    // Takes the item off its tile. Not final: the collect animation starts and Update
    // removes it once the sprite stops. Final: it leaves the map and the live items; a race
    // chest comes back after 4000 ms with a new type, a versus gem after the gem respawn time.
    void KillItem(Item& item, bool final);
    // The item's queue entry (reused or new) with ms to wait.
    void AddRespawnEntry(Item& item, int ms);

    // ---- The chest spawn search around a tile.
    void _ScanCells(const GameMaze& maze, int col, int row, int distance, int distanceLimit);
    // A record at distance 3 that is empty, or with onGem one holding a gem; null for none.
    const CellInfo* FindBestCellForItemSpawn(bool onGem) const;
    // Every item-spawn-th gem of a player: a chest 3 steps from (col, row), replacing a gem
    // if no empty tile is there; else an ERROR line and nothing.
    void SpawnChestNear(GameMaze& maze, int col, int row);

    void Update(int ms) override;
    void HandleEvent(Object* source, int id, Object* data) override;
    // Drops every item and breaks the item <-> box links.
    void Deallocate() override;

    const std::vector<Ref<Item>>& GetLiveItems() const { return live_; }
    const std::vector<RespawnRequest>& GetRespawnQueue() const { return respawn_; }
    const SpawnScan& GetScan() const { return scan_; }
    const ItemRules& GetRules() const { return rules_; }
    // Where the race ends when the idol is taken; by default the current game's stage switch.
    std::function<void(int stageId)> goToStage;

private:
    struct Player {
        CollisionBox* box = nullptr;
        ItemUser* user = nullptr;
    };

    Ref<Item> MakeItem(int type, GameMaze& maze, int col, int row);
    void AddRaceItems(GameMaze& maze, const ExtendedMaze& cells, int trackCode);
    void AddVersusItems(GameMaze& maze);
    void TakeItem(ItemUser& user, Item& item);
    void HandleTouch(CollisionBox& box, CollisionData& data);
    void ForgetOnTile(Item& item);
    bool IsLive(const Item& item) const;
    // Takes the box out of the collision engine; during a touch event only once the pass
    // is over, so the engine's walk over the solids of a cell never loses its place.
    void RemoveBox(const Ref<StaticBox>& box);
    void FlushRemovedBoxes();
    void UpdateRespawns(int ms);
    void UpdateLifetimes(int ms);

    Ref<BasicBoxEngine> engine_;
    ItemRules rules_;
    std::vector<Ref<Item>> items_;          // every item made: the owner
    std::vector<Ref<Item>> live_;           // the items on the map
    std::vector<RespawnRequest> respawn_;
    std::vector<Player> players_;
    std::vector<std::unique_ptr<PlayerItemUser>> playerUsers_;   // made by RegisterForPlayerEvents
    std::vector<Ref<StaticBox>> removedBoxes_;   // waiting for the end of the collision pass
    int touchDepth_ = 0;                         // touch events being handled
    SpawnScan scan_;
};

}  // namespace zelka
