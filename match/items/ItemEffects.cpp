#include "match/items/ItemEffects.h"

#include "engine/audio/SoundManager.h"
#include "match/items/ItemConstants.h"
#include "match/items/ItemStack.h"
#include "match/items/ItemUser.h"
#include "match/MatchConstants.h"
#include "services/data/GameData.h"
#include "services/player/PlayerStats.h"

namespace zelka {

namespace {

constexpr int kPlayer1 = 1;
constexpr int kPlayer2 = 2;

bool IsDiggingState(int state)
{
    return state == kCharDigAnimation || state == kCharUnderground;
}

// Teleporting, digging or underground: out of reach of the opponent's items.
bool IsOutOfReach(const ItemUser& player)
{
    return player.GetCharacterState() != kCharWalking;
}

void Play(int sfx, int channel)
{
    SoundManager::PlaySFX(sfx, channel, false);
}

// Items the user applies to itself or to the maze; false for any other type.
bool UseOnSelf(int type, ItemUser& user, ItemMaze& maze)
{
    const int channel = user.GetPlayerNumber();
    switch (type) {
    case kItemPickaxe:
        user.SetCurrentBuff(kBuffWallBreaker, kItemEffectMs);
        Play(kSfxPickaxe, channel);
        return true;
    case kItemTrapSwitch:
        maze.ToggleBlockTraps();
        return true;
    case kItemTurboSneakers:
        if (user.GetCurrentDeBuff() == kDebuffSlow) {
            user.SetCurrentDebuff(kBuffNone, 0);
            user.ShowMessage(U"NORMAL", true);
        } else {
            user.SetCurrentBuff(kBuffTurbo, kItemEffectMs);
            Play(kSfxTurbo, channel);
        }
        return true;
    case kItemMightyShovel:
        user.Dig();
        Play(kSfxDig, channel);
        return true;
    default:
        return false;
    }
}

void SwapByTeleport(ItemUser& user, ItemUser& opponent, ItemMaze& maze)
{
    const float userX = maze.TileCenterX(user.GetTileC());
    const float userY = maze.TileCenterY(user.GetTileR());
    user.Teleport(maze.TileCenterX(opponent.GetTileC()), maze.TileCenterY(opponent.GetTileR()));
    opponent.Teleport(userX, userY);
    opponent.ShowMessage(U"SWITCH", true);
    user.ShowMessage(U"SWITCH", true);
}

void Debuff(ItemUser& user, ItemUser& opponent, int debuff, const String& message)
{
    opponent.SetCurrentDebuff(debuff, kItemEffectMs);
    opponent.ShowMessage(message, true);
    Play(kSfxHit, user.GetPlayerNumber());
}

// Items aimed at the opponent; false when nothing happened. The hyper hand has already
// taken its own slot when it succeeds.
bool UseOnOpponent(int type, int slot, ItemUser& user, ItemUser& opponent, ItemMaze& maze)
{
    switch (type) {
    case kItemTeleporter:
        SwapByTeleport(user, opponent, maze);
        return true;
    case kItemSqueakyHammer:
        Debuff(user, opponent, kDebuffConfused, U"CONFUSE");
        return true;
    case kItemBallAndChain:
        if (opponent.GetCurrentBuff() == kBuffTurbo) {
            // Slow on turbo ends both: the opponent is back to normal, and nothing hit.
            opponent.SetCurrentDebuff(kDebuffSlow, kItemEffectMs);
            opponent.ShowMessage(U"NORMAL", true);
        } else {
            Debuff(user, opponent, kDebuffSlow, U"SLOW");
        }
        return true;
    case kItemIceWand:
        Debuff(user, opponent, kDebuffFrozen, U"FREEZE");
        return true;
    case kItemHyperHand: {
        ItemStack* victim = opponent.GetItemStack();
        if (victim == nullptr || victim->GetTotalItems() == 0 ||
            !user.GetItemStack()->StealItemFromOtherStack(slot, *victim)) {
            return false;
        }
        opponent.ShowMessage(U"ROBBED!", true);
        user.ShowMessage(U"STEAL!", true);
        Play(kSfxHit, kSfxChannelGeneral);
        return true;
    }
    default:
        return false;
    }
}

void CountUse(const ItemUser& user, int type, const ItemUseRules& rules)
{
    if (rules.attract || rules.stats == nullptr) {
        return;
    }
    const int player = user.GetPlayerNumber();
    if (player == kPlayer1 || (player == kPlayer2 && rules.twoPlayer)) {
        rules.stats->AddItemUse(player, type);
    }
}

}  // namespace

ItemUseRules ItemUseRules::FromGameData()
{
    return {GameData::IsDemoMode2(), GameData::Is2PMode(), GameData::stats.get()};
}

bool ItemEffects::UseCurrentItem(ItemUser& user, ItemUser& opponent, ItemMaze& maze)
{
    return UseCurrentItem(user, opponent, maze, ItemUseRules::FromGameData());
}

bool ItemEffects::UseCurrentItem(ItemUser& user, ItemUser& opponent, ItemMaze& maze,
                                 const ItemUseRules& rules)
{
    if (user.GetItemStack() == nullptr) {
        return false;
    }
    ItemStack& stack = *user.GetItemStack();
    const int slot = stack.GetCursorPos();
    const int type = stack.GetItemType(slot);
    const int state = user.GetCharacterState();
    if (user.GetCurrentDeBuff() == kDebuffFrozen || state == kCharTeleporting) {
        return false;
    }
    if (IsDiggingState(state)) {
        SafeResurface(user, maze);
        return false;
    }
    if (stack.IsDynamicItem(slot)) {
        stack.StopDynamicItem(slot);
        Play(kSfxRouletteStop, user.GetPlayerNumber());
        return true;
    }
    if (UseOnSelf(type, user, maze)) {
        stack.Remove(slot);
    } else {
        if (IsOutOfReach(opponent) || !UseOnOpponent(type, slot, user, opponent, maze)) {
            return false;
        }
        opponent.ShakeFace(kHitShakeMs);
        if (type != kItemTeleporter) {
            opponent.QuakeWindow(kHitShakeMs);
        }
        if (type != kItemHyperHand) {
            stack.Remove(slot);
        }
    }
    CountUse(user, type, rules);
    Play(kSfxItemAnnounceBase + type, kSfxChannelVoice);
    return true;
}

void ItemEffects::SafeResurface(ItemUser& user, ItemMaze& maze)
{
    const int c = user.GetTileC();
    const int r = user.GetTileR();
    if (maze.HasWallAt(c, r) || (maze.AreBlocksUp() && maze.IsTrapFloorAt(c, r))) {
        return;
    }
    user.MoveToTileCentre();
    if (user.GetCharacterState() == kCharUnderground) {
        user.Resurface();
        Play(kSfxResurface, kSfxChannelGeneral);
    }
}

}  // namespace zelka
