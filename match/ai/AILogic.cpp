#include "match/ai/AILogic.h"

#include "engine/core/Random.h"
#include "match/MatchConstants.h"
#include "match/MatchEvents.h"
#include "match/PlayerStageData.h"
#include "match/ai/AIConstants.h"
#include "match/character/Character.h"
#include "match/items/GameItemMaze.h"
#include "match/items/Item.h"
#include "match/items/ItemConstants.h"
#include "match/items/ItemEffects.h"
#include "match/items/PlayerItemUser.h"
#include "match/maze/GameMaze.h"
#include "match/maze/ItemSpawnData.h"
#include "platform/core/Fatal.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"

#include <cassert>
#include <string>

namespace zelka {

namespace {
constexpr int kWorthIdol = 30000;
constexpr int kWorthTreasure = 100;
constexpr int kWorthRoulette = 40;
constexpr int kWorthTool = 50;       // pickaxe, teleporter, turbo, shovel
constexpr int kWorthWeapon = 30;     // hammer, trap switch, ball and chain, ice wand
constexpr int kWorthGem = 1;

// The direction that closes the gap on one axis.
int DirToward(int from, int to, int less, int more)
{
    return to < from ? less : more;
}
}  // namespace

Ref<AILogic> AILogic::New(PlayerStageData* stage, PlayerStageData* opponent)
{
    const int player = stage != nullptr && stage->playerData != nullptr
                           ? stage->playerData->GetPlayerNumber()
                           : 1;
    auto logic = std::make_shared<AILogic>();
    logic->SetName(U"P" + FromLatin1(std::to_string(player)) + U"_AI_LOGIC");
    logic->stage_ = stage;
    logic->opponent_ = opponent;
    if (stage != nullptr && stage->maze != nullptr) {
        const TileMap& floor = *stage->maze->GetMazeFloor();
        logic->columns_ = floor.GetMapCols();
        logic->rows_ = floor.GetMapRows();
        EventManager::RegisterListener(logic, stage->maze->GetMazeBaseGDO(), kEventItemChanged);
    }
    const size_t tiles = static_cast<size_t>(logic->columns_) * static_cast<size_t>(logic->rows_);
    logic->cells_.resize(tiles);
    logic->stack_.resize(tiles + 1);
    return logic;
}

int AILogic::ItemVal(int type)
{
    switch (type) {
    case kItemPickaxe:
    case kItemTeleporter:
    case kItemTurboSneakers:
    case kItemMightyShovel:
        return kWorthTool;
    case kItemSqueakyHammer:
    case kItemTrapSwitch:
    case kItemBallAndChain:
    case kItemIceWand:
        return kWorthWeapon;
    case kItemRoulette:
        return kWorthRoulette;
    case kItemTreasure:
        return kWorthTreasure;
    case kItemGem:
        return kWorthGem;
    case kItemIdol:
        return kWorthIdol;
    default:
        return 0;
    }
}

void AILogic::Update(int ms)
{
    if (stage_ == nullptr || !stage_->character || stage_->maze == nullptr || cells_.empty()) {
        return;
    }
    ProcessMovement(ms);
    ProcessItems(ms);
}

void AILogic::HandleEvent(Object* /*source*/, int id, Object* data)
{
    const auto* spawn = dynamic_cast<const ItemSpawnData*>(data);
    if (id != kEventItemChanged || spawn == nullptr || stage_ == nullptr) {
        return;
    }
    const ItemInfo* here = GetCellIfValid(stage_->tileC, stage_->tileR);
    if (here != nullptr && IsInterior(spawn->column, spawn->row) &&
        here->source == Index(spawn->column, spawn->row)) {
        recompute_ = true;
        return;
    }
    const auto* item = dynamic_cast<const Item*>(
        stage_->maze->GetMazeBaseGDO()->GetItemAtCell(spawn->column, spawn->row).get());
    if (item != nullptr && item->type != kItemGem) {
        recompute_ = true;
    }
}

// ---- Planning.

bool AILogic::IsInterior(int c, int r) const
{
    return c >= 1 && r >= 1 && c <= columns_ - 2 && r <= rows_ - 2;
}

bool AILogic::IsTrapsUp() const
{
    return stage_->maze->GetMazeBaseGDO()->AreBlocksUp();
}

const ItemInfo& AILogic::GetItemInfo(int c, int r) const
{
    assert(c >= 0 && r >= 0 && c < columns_ && r < rows_);
    return cells_[static_cast<size_t>(Index(c, r))];
}

bool AILogic::ItemTypeAt(int c, int r, int& type) const
{
    const auto* item = dynamic_cast<const Item*>(stage_->maze->GetMazeBaseGDO()->GetItemAtCell(c, r).get());
    if (item == nullptr || item->GetLifetime() == 0) {
        return false;   // none, taken or expired; an inactive item still counts
    }
    type = item->type;
    return true;
}

void AILogic::_RecomputeTarget(bool blockWalls, bool blockTraps)
{
    recompute_ = false;
    const GameMaze& maze = *stage_->maze;
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < columns_; ++c) {
            ItemInfo& info = cells_[static_cast<size_t>(Index(c, r))];
            int type = 0;
            info.column = c;
            info.row = r;
            info.source = Index(c, r);
            info.steps = 1;
            info.value = ItemTypeAt(c, r, type) ? ItemVal(type) : 0;
            info.accumulated = static_cast<float>(info.value);
            info.blocked = kTileFree;
            if (blockWalls && maze.IsWall(c, r)) {
                info.blocked = kTileBlockedWall;
            }
            if (blockTraps && maze.IsTrapFloor(c, r)) {
                info.blocked = kTileBlockedTrap;
            }
        }
    }
    // Sources spread one after another; a tile that already carries a source is never
    // improved again through that source, so the order decides the result.
    for (size_t i = 0; i < cells_.size(); ++i) {
        if (cells_[i].value == 0) {
            continue;
        }
        CellStackClear();
        CellStackPush(static_cast<int>(i));
        while (stackLength_ > 0) {
            const ItemInfo& from = cells_[static_cast<size_t>(CellStackPop())];
            for (const int dir : kOrderLRUD) {
                CheckCellAndAddToStack(from, from.column + kDirStepC[dir], from.row + kDirStepR[dir]);
            }
        }
    }
}

void AILogic::CheckCellAndAddToStack(const ItemInfo& from, int c, int r)
{
    if (!IsInterior(c, r)) {
        return;
    }
    ItemInfo& next = cells_[static_cast<size_t>(Index(c, r))];
    if (next.blocked != kTileFree || next.source == from.source) {
        return;
    }
    const float worth = static_cast<float>(next.value) + from.accumulated;
    const int steps = from.steps + 1;
    if (worth / static_cast<float>(steps) > next.Approx()) {
        next.accumulated = worth;
        next.steps = steps;
        next.source = from.source;
        CellStackPush(Index(c, r));
    }
}

// Each tile enters the stack at most once per source (it then carries that source), so
// the room for every tile plus one is never exceeded unless the rule above is broken.
void AILogic::CellStackPush(int index)
{
    if (stackLength_ >= static_cast<int>(stack_.size())) {
        RuntimeError("stack overflow");
    }
    stack_[static_cast<size_t>(stackLength_++)] = index;
}

int AILogic::CellStackPop()
{
    if (stackLength_ <= 0) {
        RuntimeError("stack underflow");
    }
    return stack_[static_cast<size_t>(--stackLength_)];
}

const ItemInfo* AILogic::GetCellIfValid(int c, int r) const
{
    if (!IsInterior(c, r)) {
        return nullptr;
    }
    const ItemInfo& info = GetItemInfo(c, r);
    return info.blocked == kTileFree ? &info : nullptr;
}

float AILogic::GetApproxCellValue(int index) const
{
    if (index < 0 || index >= static_cast<int>(cells_.size())) {
        return 0.0f;
    }
    return cells_[static_cast<size_t>(index)].Approx();
}

float AILogic::GetApproxCellValue2(int c, int r) const
{
    return IsInterior(c, r) ? GetItemInfo(c, r).Approx() : 0.0f;
}

int AILogic::GetDirectionFromCell(int c, int r) const
{
    const ItemInfo* here = GetCellIfValid(c, r);
    if (here == nullptr) {
        return kDirNone;
    }
    for (const int dir : kOrderLRUD) {
        const ItemInfo* next = GetCellIfValid(c + kDirStepC[dir], r + kDirStepR[dir]);
        if (next != nullptr && next->source == here->source && next->steps < here->steps) {
            return dir;
        }
    }
    return kDirNone;
}

int AILogic::StatusAwareDirection(int dir) const
{
    if (stage_->character->GetCurrentDeBuff() != kDebuffConfused) {
        return dir;
    }
    if (random::Rnd() * 100.0f >= kConfusedPreInvertPercent) {
        return Character::GetOppositeDirection(dir);
    }
    return dir;
}

// ---- Movement.

void AILogic::ProcessMovement(int ms)
{
    Character& ch = *stage_->character;
    if (ch.IsDigging()) {
        ProcessShovelTrip(ms);
        return;
    }
    const bool trapsUp = IsTrapsUp();
    const bool wallBreaker = ch.GetCurrentBuff() == kBuffWallBreaker;
    if (trapsUp != plannedTrapsUp_ || wallBreaker != plannedWallBreaker_ || recompute_) {
        plannedTrapsUp_ = trapsUp;
        plannedWallBreaker_ = wallBreaker;
        _RecomputeTarget(!wallBreaker, trapsUp);
    }
    decisionMs_ = ch.GetCurrentDeBuff() == kDebuffConfused ? kConfusedDecisionMs : 0;
    if (sinceDecision_ < decisionMs_) {
        sinceDecision_ += ms;
    } else {
        lastDirection_ = StatusAwareDirection(GetDirectionFromCell(stage_->tileC, stage_->tileR));
        sinceDecision_ = 0;
    }
    if (lastDirection_ == kDirNone) {
        recompute_ = true;
    } else {
        ch.SetDirection(lastDirection_);
    }
}

// Underground after a shovel use: columns first, then rows, straight for the target.
void AILogic::ProcessShovelTrip(int ms)
{
    Character& ch = *stage_->character;
    const int targetC = columns_ > 0 && shovelTarget_ >= 0 ? shovelTarget_ % columns_ : stage_->tileC;
    const int targetR = columns_ > 0 && shovelTarget_ >= 0 ? shovelTarget_ / columns_ : stage_->tileR;
    const bool arrived = stage_->tileC == targetC && stage_->tileR == targetR;
    shovelMs_ -= ms;
    if (shovelMs_ <= 0 || arrived) {
        SafeResurface();   // refused under a wall or a raised trap: asked again next update
        return;
    }
    if (stage_->tileC != targetC) {
        ch.SetDirection(DirToward(stage_->tileC, targetC, kDirLeft, kDirRight));
    } else {
        ch.SetDirection(DirToward(stage_->tileR, targetR, kDirUp, kDirDown));
    }
}

void AILogic::SafeResurface()
{
    if (stage_->playerData == nullptr) {
        return;   // the item view of a player needs the player
    }
    PlayerItemUser user(*stage_);
    GameItemMaze maze(*stage_->maze);
    ItemEffects::SafeResurface(user, maze);
}

const PlayerStageData* AILogic::Opponent() const
{
    if (opponent_ != nullptr) {
        return opponent_;
    }
    const int player = stage_->playerData != nullptr ? stage_->playerData->GetPlayerNumber() : 1;
    const Ref<PlayerData> other = GameData::GetPlayer(player == 1 ? 2 : 1);
    return other ? other->stageData.get() : nullptr;
}

}  // namespace zelka
