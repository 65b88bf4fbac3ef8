#include "match/items/ItemManager.h"

#include "engine/audio/SoundManager.h"
#include "engine/collision/BasicBoxEngine.h"
#include "engine/media/MediaConstants.h"
#include "engine/media/StaticImage.h"
#include "match/MatchConstants.h"
#include "match/items/ItemSprites.h"
#include "match/items/ItemTable.h"
#include "match/maze/BlockTrap.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/GameMaze.h"

#include <algorithm>
#include <cstdio>
#include <string>

// The item manager on the maze: starting items, placing and removing items, the chest
// spawn search, lifetimes and respawns.

namespace zelka {

namespace {

constexpr int kChestLifetimeMs = 8000;    // versus; race chests never expire
constexpr int kBlinkBelowMs = 2000;       // an expiring item blinks for its last 2 s
// Shown for the first 50 ms of every 100 ms of the time left (left 99 .. 50 of each 100).
constexpr int kBlinkPeriodMs = 100;
constexpr int kBlinkShownMs = 50;
constexpr int kRaceRespawnMs = 4000;
constexpr int kSpawnScanLimit = 4;        // the walk records distances 0 .. 3
constexpr int kSpawnDistance = 3;
constexpr int kCornerTreasureMin = 2;     // the "corner treasure" setting places treasures from 2
constexpr float kItemRaise = 4.0f;        // px an item stands above its tile's centre
constexpr int kIdolRow = 2;               // tile row of the idol, at the top of the track
constexpr float kIdolLightShift = 8.0f;   // px toward the idol's wall
constexpr float kIdolLightRaise = 2.0f;   // px

const String kIdle = U"idle";
const String kCollect = U"collect";
const String kRespawn = U"item_respawn";

bool IsValidType(int type)
{
    return type >= kItemIdol && type < kInventoryItemTypes;
}

void PrintLine(const String& text)
{
    std::puts(ToUtf8(text).c_str());
    std::fflush(stdout);
}

String Num(int n)
{
    return FromLatin1(std::to_string(n));
}

void PrintSpawnError(int col, int row, int type, const char* reason)
{
    PrintLine(U"ERROR! ITEM SPAWN REQUESTED AT " + Num(col) + U", " + Num(row) + U" OF TYPE " +
              ItemTable::Name(type) + U" FAILED BECAUSE " + FromLatin1(reason) + U"!");
}

bool IsFloor(const GameMaze& maze, int col, int row)
{
    const TileMap& walls = *maze.GetMazeWalls();
    return walls.IsInside(col, row) && walls.GetTile(col, row) == kEmptyTile;
}

Ref<Item> ItemOnTile(const GameMaze& maze, int col, int row)
{
    return std::dynamic_pointer_cast<Item>(maze.GetMazeBaseGDO()->GetItemAtCell(col, row));
}

// The spawn search's view of a maze: wall tiles and the items on the tile map.
class MazeScanGrid : public SpawnScanGrid {
public:
    explicit MazeScanGrid(const GameMaze& maze) : maze_(maze) {}
    int GetCols() const override { return maze_.GetMazeWalls()->GetMapCols(); }
    int GetRows() const override { return maze_.GetMazeWalls()->GetMapRows(); }
    bool IsWall(int c, int r) const override { return !IsFloor(maze_, c, r); }
    int ItemTypeAt(int c, int r) const override
    {
        const Ref<Item> item = ItemOnTile(maze_, c, r);
        return item ? item->type : kNoItemId;
    }

private:
    const GameMaze& maze_;
};

}  // namespace

// ---- Placing items.

void ItemManager::AddStartingItems(GameMaze& maze, const ExtendedMaze& cells, int trackCode)
{
    if (rules_.race) {
        AddRaceItems(maze, cells, trackCode);
    } else {
        AddVersusItems(maze);
    }
}

void ItemManager::AddRaceItems(GameMaze& maze, const ExtendedMaze& cells, int trackCode)
{
    for (int x = 0; x < cells.MazeWidth(); ++x) {
        for (int y = 0; y < cells.MazeHeight(); ++y) {
            if (cells.GetCellFlag(x, y) & kCellItemSpot) {
                AddNewItem(RandomItemId(), maze, 2 * x + 1, 2 * y + 1, false);
            }
        }
    }
    const bool idolOnRight = (trackCode & kTrackIdolOnRight) != 0;
    const int idolCol = idolOnRight ? maze.GetCols() - 2 : 1;
    maze.GetMazeBaseGDO()->AddTrap(idolCol, kIdolRow);
    maze.ComputeDistancesToGoal(idolCol, kIdolRow);
    const Ref<Item> idol = AddNewItem(kItemIdol, maze, idolCol, kIdolRow, false);
    if (!idol) {
        return;
    }
    auto light = StaticImage::New(Texture::GetTexture(U"idol_light.png"));
    const float x = maze.TileCenterX(idolCol) + (idolOnRight ? kIdolLightShift : -kIdolLightShift);
    const float y = maze.TileCenterY(kIdolRow) - kItemRaise - kIdolLightRaise;
    if (idolOnRight) {
        light->scale.x = -1.0f;
    }
    maze.GetMazeWalls()->AddChild2(light, x, y);
}

void ItemManager::AddVersusItems(GameMaze& maze)
{
    const int cols = maze.GetMazeWalls()->GetMapCols();
    const int rows = maze.GetMazeWalls()->GetMapRows();
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            if (!IsFloor(maze, col, row) || ItemOnTile(maze, col, row)) {
                continue;
            }
            const Ref<Item> gem = MakeItem(kItemGem, maze, col, row);
            AddItemToItsMaze(*gem, -1, true);
            live_.push_back(gem);
        }
    }
    if (rules_.cornerTreasure >= kCornerTreasureMin) {
        for (int row : {1, rows - 2}) {
            for (int col : {1, cols - 2}) {
                AddNewItem(kItemTreasure, maze, col, row, true);
            }
        }
    }
}

Ref<Item> ItemManager::MakeItem(int type, GameMaze& maze, int col, int row)
{
    auto item = Item::New();
    item->type = type;
    item->column = col;
    item->row = row;
    item->maze = &maze;
    item->sprite = ItemSprites::MakeSprite(type, item.get());
    const float x = maze.TileCenterX(col);
    const float y = maze.TileCenterY(row) - kItemRaise;
    item->sprite->position->Set(x, y);
    const Vector& mapPos = *maze.GetMazeBaseGDO()->position;
    const float size = static_cast<float>(ItemSprites::BoxSize(type));
    item->box = StaticBox::New(x + mapPos.x, y + mapPos.y, size, size, item);
    items_.push_back(item);
    return item;
}

Ref<Item> ItemManager::AddNewItem(int type, GameMaze& maze, int col, int row, bool replace)
{
    // Outside the grid counts as no tile too: the tile map could not hold the item there.
    if (!IsFloor(maze, col, row)) {
        if (type != kItemGem) {
            PrintSpawnError(col, row, type, "OF NO_TILE");
        }
        return nullptr;
    }
    // The type is checked before anything on the tile is removed: a bad request must not
    // cost the item that lies there.
    if (!IsValidType(type)) {
        PrintSpawnError(col, row, type, "INVALID TYPE");
        return nullptr;
    }
    if (const Ref<Item> old = ItemOnTile(maze, col, row)) {
        if (!replace) {
            if (type != kItemGem) {
                PrintSpawnError(col, row, type, "ITEM ALREADY THERE");
            }
            return nullptr;
        }
        KillItem(*old, true);
    }
    const Ref<Item> item = MakeItem(type, maze, col, row);
    int lifetime = -1;
    if (IsInventoryItem(type)) {
        SoundManager::PlaySFX(kSfxChestPlaced, kSfxChannelGeneral, false);
        lifetime = rules_.race ? -1 : kChestLifetimeMs;
    }
    AddItemToItsMaze(*item, lifetime, true);
    live_.push_back(item);
    return item;
}

bool ItemManager::AddItemToItsMaze(Item& item, int lifetime, bool force)
{
    if (item.maze == nullptr) {
        return false;
    }
    MazeTileMap& map = *item.maze->GetMazeBaseGDO();
    if (!force && map.GetItemAtCell(item.column, item.row)) {
        return false;
    }
    const auto self = std::static_pointer_cast<Item>(item.shared_from_this());
    item.lifetime = lifetime;
    item.active = true;
    map.SetItemAtCell(item.column, item.row, self);
    item.box->userObject = self;
    if (item.sprite) {
        item.sprite->visible = true;
        item.sprite->PlaySequence(kIdle);
        if (const Ref<BlockTrap> trap = map.GetTrapAt(item.column, item.row)) {
            trap->AddChild2(item.sprite, 0.0f, 0.0f);
            trap->SetItem(&item);
        } else {
            map.GetFloor()->AddChild(item.sprite, 0);
        }
    }
    if (auto moving = std::dynamic_pointer_cast<CollisionBox>(item.box)) {
        engine_->AddKinematic(moving);
    } else {
        engine_->AddSolid(item.box);
    }
    return true;
}

void ItemManager::ForgetOnTile(Item& item)
{
    if (item.maze == nullptr) {
        return;
    }
    MazeTileMap& map = *item.maze->GetMazeBaseGDO();
    // Only this item: another may already lie on the tile (a chest spawned there).
    if (map.GetItemAtCell(item.column, item.row).get() == &item) {
        map.SetItemAtCell(item.column, item.row, nullptr);
    }
    if (const Ref<BlockTrap> trap = map.GetTrapAt(item.column, item.row)) {
        if (trap->GetItem() == &item) {
            trap->SetItem(nullptr);
        }
    }
}

void ItemManager::KillItem(Item& item, bool final)
{
    item.lifetime = 0;
    if (item.sprite) {
        if (final) {
            item.sprite->DetachFromParent();
        } else {
            item.sprite->PlaySequence(kCollect);
        }
    }
    ForgetOnTile(item);
    RemoveBox(item.box);
    if (!final) {
        return;
    }
    // Off the map for good or until its respawn: a replaced gem must not stay listed, or
    // its respawn would list it twice.
    std::erase_if(live_, [&item](const Ref<Item>& live) { return live.get() == &item; });
    if (rules_.race) {
        if (IsInventoryItem(item.type)) {
            item.type = RandomItemId();
            AddRespawnEntry(item, kRaceRespawnMs);
        }
    } else if (item.type == kItemGem) {
        AddRespawnEntry(item, rules_.gemRespawnMs);
    }
}

void ItemManager::RemoveBox(const Ref<StaticBox>& box)
{
    if (touchDepth_ > 0) {
        removedBoxes_.push_back(box);
        return;
    }
    if (auto moving = std::dynamic_pointer_cast<CollisionBox>(box)) {
        engine_->RemoveKinematic(moving);
    } else {
        engine_->RemoveSolid(box);
    }
}

void ItemManager::FlushRemovedBoxes()
{
    const std::vector<Ref<StaticBox>> boxes = std::move(removedBoxes_);
    removedBoxes_.clear();
    for (const Ref<StaticBox>& box : boxes) {
        // Back on the map meanwhile (a respawn placed it again): it stays filed.
        auto* item = dynamic_cast<Item*>(box->userObject.get());
        if (item && item->lifetime != 0) {
            continue;
        }
        RemoveBox(box);
    }
}

void ItemManager::AddRespawnEntry(Item& item, int ms)
{
    for (RespawnRequest& entry : respawn_) {
        if (entry.item == &item) {
            entry.delay = ms;
            return;
        }
    }
    respawn_.push_back({&item, ms});
}

bool ItemManager::IsLive(const Item& item) const
{
    return std::any_of(live_.begin(), live_.end(),
                       [&item](const Ref<Item>& live) { return live.get() == &item; });
}

// ---- Chest spawning.

void ItemManager::_ScanCells(const GameMaze& maze, int col, int row, int distance,
                             int distanceLimit)
{
    scan_.ScanCells(MazeScanGrid(maze), col, row, distance, distanceLimit);
}

const CellInfo* ItemManager::FindBestCellForItemSpawn(bool onGem) const
{
    const int index = scan_.FindBestCell(kSpawnDistance, onGem);
    return index < 0 ? nullptr : &scan_.GetRecord(index);
}

void ItemManager::SpawnChestNear(GameMaze& maze, int col, int row)
{
    scan_.Clear();
    _ScanCells(maze, col, row, 0, kSpawnScanLimit);
    const CellInfo* cell = FindBestCellForItemSpawn(false);
    bool onGem = false;
    if (cell == nullptr) {
        cell = FindBestCellForItemSpawn(true);
        onGem = true;
    }
    if (cell == nullptr) {
        PrintLine(U"ERROR: Couldn't find a suitable position for a gem at a distance of 4 from " +
                  Num(col) + U", " + Num(row));
        return;
    }
    AddNewItem(RandomItemId(), maze, cell->column, cell->row, onGem);
}

// ---- Update.

void ItemManager::UpdateRespawns(int ms)
{
    for (size_t i = 0; i < respawn_.size();) {
        RespawnRequest& entry = respawn_[i];
        Item& item = *entry.item;
        if (entry.delay <= 0) {
            if (AddItemToItsMaze(item, -1, false)) {
                if (item.sprite) {
                    item.sprite->PlaySequence(item.sprite->GetSequenceStepCount(kRespawn) > 0
                                                  ? kRespawn
                                                  : kIdle);
                }
                respawn_.erase(respawn_.begin() + static_cast<std::ptrdiff_t>(i));
                if (!IsLive(item)) {
                    live_.push_back(std::static_pointer_cast<Item>(item.shared_from_this()));
                }
                continue;
            }
        } else if (item.maze == nullptr ||
                   !item.maze->GetMazeBaseGDO()->GetItemAtCell(item.column, item.row)) {
            entry.delay = std::max(0, entry.delay - ms);
        }
        ++i;
    }
}

void ItemManager::UpdateLifetimes(int ms)
{
    for (size_t i = 0; i < live_.size();) {
        const Ref<Item> item = live_[i];
        if (item->lifetime > 0) {
            if (item->lifetime < kBlinkBelowMs && item->sprite) {
                item->sprite->visible = item->lifetime % kBlinkPeriodMs >= kBlinkShownMs;
            }
            item->lifetime = std::max(0, item->lifetime - ms);
        } else if (item->lifetime == 0 &&
                   (!item->sprite || item->sprite->GetPlaybackStatus() != kSpritePlaying)) {
            live_.erase(live_.begin() + static_cast<std::ptrdiff_t>(i));
            KillItem(*item, true);
            continue;
        }
        ++i;
    }
}

void ItemManager::Update(int ms)
{
    FlushRemovedBoxes();
    UpdateRespawns(ms);
    UpdateLifetimes(ms);
}

}  // namespace zelka
