#include "match/character/ManualLogic.h"

#include "engine/audio/SoundManager.h"
#include "match/MatchConstants.h"
#include "match/MatchHooks.h"
#include "match/PlayerStageData.h"
#include "match/character/Character.h"
#include "match/items/ItemStack.h"
#include "match/maze/GameMaze.h"
#include "services/input/InputConstants.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"

namespace zelka {

namespace {
constexpr int kSfxMash = 27;
constexpr int kSfxUseFailed = 13;
constexpr int kFaceShakeMs = 300;
constexpr int kFaceShakeSideways = 1;

int PlayerChannel(int player)
{
    return player == 2 ? kSfxChannelPlayer2 : kSfxChannelPlayer1;
}
}  // namespace

Ref<ManualLogic> ManualLogic::New(PlayerStageData* stage)
{
    const int player = stage != nullptr && stage->playerData != nullptr
                           ? stage->playerData->GetPlayerNumber()
                           : 1;
    auto logic = std::make_shared<ManualLogic>();
    logic->SetName(U"P" + FromLatin1(std::to_string(player)) + U"_MANUAL_LOGIC");
    logic->stage_ = stage;
    return logic;
}

void ManualLogic::Update(int ms)
{
    if (stage_ == nullptr || !stage_->character || stage_->playerData == nullptr ||
        !stage_->playerData->GetInputMapping()) {
        return;
    }
    PollTurn(ms);
    if (stage_->itemStack) {
        HandleItems();
    }
}

bool ManualLogic::CheckDirection(int dir) const
{
    Character& ch = *stage_->character;
    const int taken = ch.GetCurrentDeBuff() == kDebuffConfused ? Character::GetOppositeDirection(dir)
                                                               : dir;
    if (taken == ch.GetDirection() || stage_->maze == nullptr) {
        return false;
    }
    return stage_->maze->CanChangeDirTo(ch, stage_->tileC, stage_->tileR, taken, false);
}

void ManualLogic::PollTurn(int ms)
{
    sinceTurn_ += ms;
    if (sinceTurn_ <= kTurnPollMs) {
        return;
    }
    const InputMapping& keys = *stage_->playerData->GetInputMapping();
    const int horizontal = keys.InputDown(kActionLeft)    ? kDirLeft
                           : keys.InputDown(kActionRight) ? kDirRight
                                                          : kDirNone;
    const int vertical = keys.InputDown(kActionUp)     ? kDirUp
                         : keys.InputDown(kActionDown) ? kDirDown
                                                       : kDirNone;
    for (const int dir : kOrderLRUD) {
        if ((dir == horizontal || dir == vertical) && CheckDirection(dir)) {
            stage_->character->SetDirection(dir);
            sinceTurn_ = 0;
            return;
        }
    }
}

void ManualLogic::HandleItems()
{
    Character& ch = *stage_->character;
    const InputMapping& keys = *stage_->playerData->GetInputMapping();
    const int player = stage_->playerData->GetPlayerNumber();
    if (ch.GetCurrentDeBuff() == kDebuffFrozen && keys.GetAnyValid() != -1) {
        if (ch.DefreezeABit()) {
            SoundManager::PlaySFX(kSfxMash, PlayerChannel(player), false);
            match::Hooks().ShakeFace(player, kFaceShakeMs, kFaceShakeSideways);
        }
        return;
    }
    ItemStack& stack = *stage_->itemStack;
    if (keys.InputHit(kActionCancel)) {
        stack.MoveCursor(1);
    } else if (keys.InputHit(kActionAccept)) {
        if (!stage_->UseCurrentItem() && !ch.IsDigging() && stack.GetTotalItems() > 0) {
            SoundManager::PlaySFX(kSfxUseFailed, PlayerChannel(player), false);
            stack.ShakeCurrentItem();
        }
    }
}

}  // namespace zelka
