// The computer player's item choice and use.

#include "match/ai/AILogic.h"

#include "engine/core/Random.h"
#include "match/MatchConstants.h"
#include "match/PlayerStageData.h"
#include "match/ai/AIConstants.h"
#include "match/character/Character.h"
#include "match/items/ItemConstants.h"
#include "match/items/ItemStack.h"
#include "match/maze/GameMaze.h"

#include <algorithm>

namespace zelka {

namespace {
bool HasDebuff(const PlayerStageData& player)
{
    return player.character && player.character->GetCurrentDeBuff() != kBuffNone;
}

// One draw of the shared generator against a per-mille chance.
bool DrawChance(float perMille)
{
    return random::Rnd() * kChanceScale < perMille;
}
}  // namespace

int AILogic::ItemUsefulness(int type)
{
    switch (type) {
    case kItemPickaxe:
    case kItemRoulette:
        return 100;
    case kItemTeleporter:
        return 50;
    case kItemSqueakyHammer:
        return 60;
    case kItemTrapSwitch:
        return 40;
    case kItemTurboSneakers:
        return 80;
    case kItemBallAndChain:
    case kItemIceWand:
        return 70;
    case kItemMightyShovel:
        return 75;
    default:
        return 0;   // the hyper hand itself included
    }
}

void AILogic::ProcessItems(int ms)
{
    itemTick_ += ms;
    sinceUse_ += ms;
    if (itemTick_ <= kItemPassMs || !stage_->character->IsWalking()) {
        return;
    }
    itemTick_ = 0;
    if (stage_->itemStack) {
        ItemTick();
    }
}

void AILogic::ItemTick()
{
    ItemStack& stack = *stage_->itemStack;
    if (chosenType_ != kItemNone && stack.IsDynamicItem(chosenSlot_)) {
        stage_->UseCurrentItem();   // uses the item under the cursor, the roulette or not
        return;
    }
    const int found = chosenType_ == kItemNone ? -1 : stack.FindCloserItemOfType(chosenType_, 1);
    if (found >= 0) {
        if (found != stack.GetCursorPos()) {
            stack.MoveCursor(1);
        } else if (sinceUse_ >= kItemUseGapMs) {
            UseChosenItem();
        }
        return;
    }
    chosenSlot_ = GetBestItemToUseInInventory();
    chosenType_ = chosenSlot_ >= 0 ? stack.GetItemType(chosenSlot_) : kItemNone;
}

void AILogic::UseChosenItem()
{
    Character& ch = *stage_->character;
    int shovelDir = kDirNone;
    if (chosenType_ == kItemTrapSwitch) {
        const PlayerStageData* opponent = Opponent();
        if (opponent == nullptr || !IsTrapItemUseful(*opponent)) {
            chosenType_ = kItemNone;
            chosenSlot_ = -1;
            return;
        }
    } else if (chosenType_ == kItemMightyShovel) {
        if (!stage_->maze->CoordIsNearTileCenter(ch.position->x, ch.position->y)) {
            return;   // try again next pass
        }
        shovelDir = GetBestShovelDirection(stage_->tileC, stage_->tileR);
        if (shovelDir == kDirNone) {
            chosenType_ = kItemNone;
            chosenSlot_ = -1;
            return;
        }
        shovelTarget_ = Index(stage_->tileC + kShovelReach * kDirStepC[shovelDir],
                              stage_->tileR + kShovelReach * kDirStepR[shovelDir]);
    }
    if (!stage_->UseCurrentItem()) {
        return;   // the choice stays: the next pass tries again
    }
    shovelMs_ = kShovelTripMs;
    if (shovelDir != kDirNone) {
        ch.SetDirection(shovelDir);
    }
    chosenType_ = kItemNone;
    chosenSlot_ = -1;
    sinceUse_ = 0;
}

int AILogic::GetBestItemToUseInInventory()
{
    if (!stage_->itemStack) {
        return -1;
    }
    const ItemStack& stack = *stage_->itemStack;
    const PlayerStageData* opponent = Opponent();
    int best = -1;
    int bestScore = 0;   // no item scores 0 or less
    for (int slot = 0; slot < stack.GetTotalItems(); ++slot) {
        const int score = ScoreItem(stack.GetItemType(slot), opponent);
        if (score > bestScore) {
            best = slot;
            bestScore = score;
        }
    }
    return best;
}

// 0 when the item does not score. Draws only for the pickaxe, the turbo, the ball and
// chain and the ice wand, one each, whatever the rest of their rule says.
int AILogic::ScoreItem(int type, const PlayerStageData* opponent)
{
    const bool hasOpponent = opponent != nullptr && opponent->character;
    switch (type) {
    case kItemPickaxe:
        return DrawChance(kPickaxeChance) ? kScorePickaxe : 0;
    case kItemTeleporter: {
        const float own = GetApproxCellValue2(stage_->tileC, stage_->tileR);
        return hasOpponent && kTeleportWorthFactor * own <
                                  GetApproxCellValue2(opponent->tileC, opponent->tileR)
                   ? kScoreTeleporter
                   : 0;
    }
    case kItemSqueakyHammer:
        return hasOpponent && !HasDebuff(*opponent) ? kScoreHammer : 0;
    case kItemTrapSwitch:
        return hasOpponent && IsTrapItemUseful(*opponent) ? kScoreTrap : 0;
    case kItemTurboSneakers:
        return DrawChance(kTurboChance) ? kScoreTurbo : 0;
    case kItemBallAndChain:
    case kItemIceWand: {
        const bool chance = DrawChance(kDebuffWeaponChance);
        if (!chance || !hasOpponent || HasDebuff(*opponent)) {
            return 0;
        }
        return opponent->character->GetCurrentBuff() == kBuffTurbo ? kScoreDebuffOnTurbo
                                                                    : kScoreDebuff;
    }
    case kItemHyperHand: {
        if (!hasOpponent || !opponent->itemStack || opponent->itemStack->GetTotalItems() == 0) {
            return 0;
        }
        const ItemStack& theirs = *opponent->itemStack;
        const int wanted = ItemUsefulness(theirs.GetItemType(theirs.GetTotalItems() - 1));
        int mine = 0;
        for (int slot = 0; slot < stage_->itemStack->GetTotalItems(); ++slot) {
            mine = std::max(mine, ItemUsefulness(stage_->itemStack->GetItemType(slot)));
        }
        return wanted > mine ? kScoreStealBetter : wanted == mine ? kScoreStealEqual : 0;
    }
    case kItemMightyShovel:
        return GetBestShovelDirection(stage_->tileC, stage_->tileR) != kDirNone ? kScoreShovel : 0;
    case kItemRoulette:
        return kScoreRoulette;   // a stack holds a roulette as a cycling turbo: never met
    default:
        return 0;
    }
}

bool AILogic::IsNearTraps(const PlayerStageData& player) const
{
    return _AreBlockTrapsThisClose(player.tileC, player.tileR, kTrapSearchDepth);
}

bool AILogic::IsTrapItemUseful(const PlayerStageData& opponent) const
{
    const bool theyAreNear = IsNearTraps(opponent);
    const bool weAreNear = IsNearTraps(*stage_);
    if (theyAreNear && !weAreNear) {
        return !IsTrapsUp();
    }
    if (weAreNear && !theyAreNear) {
        return IsTrapsUp();
    }
    return false;
}

// Depth-limited, so at most 4^5 calls: cheap enough for every item pass.
bool AILogic::_AreBlockTrapsThisClose(int c, int r, int depth) const
{
    const GameMaze& maze = *stage_->maze;
    if (depth < 0 || !maze.IsCellPosValid(c, r) || maze.IsWall(c, r)) {
        return false;
    }
    if (maze.IsTrapFloor(c, r)) {
        return true;
    }
    for (const int dir : kOrderLRUD) {
        if (_AreBlockTrapsThisClose(c + kDirStepC[dir], r + kDirStepR[dir], depth - 1)) {
            return true;
        }
    }
    return false;
}

int AILogic::CheckCellOverWall(int c, int r, int dir) const
{
    if (dir < 0 || dir >= kDirCount) {
        return -1;
    }
    const GameMaze& maze = *stage_->maze;
    const bool trapsUp = IsTrapsUp();
    const int midC = c + kDirStepC[dir];
    const int midR = r + kDirStepR[dir];
    const int targetC = c + kShovelReach * kDirStepC[dir];
    const int targetR = r + kShovelReach * kDirStepR[dir];
    if (!IsInterior(targetC, targetR) || maze.IsWall(targetC, targetR) ||
        (trapsUp && maze.IsTrapFloor(targetC, targetR))) {
        return -1;
    }
    if (!maze.IsWall(midC, midR) && !(trapsUp && maze.IsTrapFloor(midC, midR))) {
        return -1;   // open between: walking is as good
    }
    return Index(targetC, targetR);
}

int AILogic::GetBestShovelDirection(int c, int r) const
{
    if (!IsInterior(c, r)) {
        return kDirNone;
    }
    const ItemInfo& own = GetItemInfo(c, r);
    const int ownSourceValue = cells_[static_cast<size_t>(own.source)].value;
    float best = own.Approx();
    int bestDir = kDirNone;
    for (const int dir : kOrderRLUD) {
        const int target = CheckCellOverWall(c, r, dir);
        if (target < 0) {
            continue;
        }
        const ItemInfo& there = cells_[static_cast<size_t>(target)];
        if (!(there.Approx() > best)) {
            continue;
        }
        if (there.source != own.source) {
            const int theirSourceValue = cells_[static_cast<size_t>(there.source)].value;
            if (theirSourceValue < ownSourceValue ||
                (theirSourceValue == ownSourceValue && there.steps >= own.steps)) {
                continue;
            }
        } else if (there.steps > own.steps - kShovelMinStepsSaved) {
            continue;
        }
        best = there.Approx();
        bestDir = dir;
    }
    return bestDir;
}

}  // namespace zelka
