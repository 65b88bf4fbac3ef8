#include "match/items/PlayerItemUser.h"

#include "engine/ui/VerticalShaker.h"
#include "match/MatchHooks.h"
#include "match/PlayerStageData.h"
#include "match/character/Character.h"
#include "match/items/GameItemMaze.h"
#include "match/items/ItemEffects.h"
#include "match/maze/GameMaze.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"

#include <cassert>

namespace zelka {

namespace {

constexpr int kFaceShakeRotate = 0;   // a hit rocks the face; mashing out of ice shakes it sideways
constexpr int kPlayerCount = 2;

}  // namespace

PlayerItemUser::PlayerItemUser(PlayerStageData& data) : data_(data)
{
    assert(data_.playerData != nullptr && data_.character != nullptr);
}

PlayerData& PlayerItemUser::GetPlayerData()
{
    return *data_.playerData;
}

ItemStack* PlayerItemUser::GetItemStack()
{
    return data_.itemStack.get();
}

int PlayerItemUser::GetPlayerNumber() const
{
    return data_.playerData->GetPlayerNumber();
}

int PlayerItemUser::GetTileC() const
{
    return data_.tileC;
}

int PlayerItemUser::GetTileR() const
{
    return data_.tileR;
}

int PlayerItemUser::GetCharacterState() const
{
    return data_.character->GetState();
}

int PlayerItemUser::GetCurrentBuff() const
{
    return data_.character->GetCurrentBuff();
}

int PlayerItemUser::GetCurrentDeBuff() const
{
    return data_.character->GetCurrentDeBuff();
}

void PlayerItemUser::SetCurrentBuff(int type, int ms)
{
    data_.character->SetCurrentBuff(type, ms);
}

void PlayerItemUser::SetCurrentDebuff(int type, int ms)
{
    data_.character->SetCurrentDebuff(type, ms);
}

void PlayerItemUser::Dig()
{
    data_.character->Dig();
}

void PlayerItemUser::Teleport(float x, float y)
{
    data_.character->Teleport(x, y);
}

void PlayerItemUser::MoveToTileCentre()
{
    if (data_.maze != nullptr) {
        data_.character->position->Set(data_.maze->TileCenterX(data_.tileC),
                                       data_.maze->TileCenterY(data_.tileR));
    }
}

void PlayerItemUser::Resurface()
{
    data_.character->Resurface();
}

void PlayerItemUser::ShowMessage(const String& text, bool big)
{
    match::Hooks().AddMsgLabel(text, GetPlayerNumber(), big);
}

void PlayerItemUser::ShakeFace(int ms)
{
    match::Hooks().ShakeFace(GetPlayerNumber(), ms, kFaceShakeRotate);
}

void PlayerItemUser::QuakeWindow(int ms)
{
    // Only this player's window (the one window while the screen is shared), never both.
    if (data_.windowShaker) {
        data_.windowShaker->Shake(ms);
    }
}

bool UsePlayerItem(PlayerStageData& user)
{
    if (user.playerData == nullptr || !user.character || user.maze == nullptr) {
        return false;
    }
    const int other = kPlayerCount + 1 - user.playerData->GetPlayerNumber();
    const Ref<PlayerData> opponentPlayer = GameData::GetPlayer(other);
    if (!opponentPlayer || !opponentPlayer->stageData || !opponentPlayer->stageData->character) {
        return false;
    }
    PlayerStageData& opponentData = *opponentPlayer->stageData;
    if (opponentData.playerData == nullptr) {
        return false;
    }
    PlayerItemUser self(user);
    PlayerItemUser opponent(opponentData);
    GameItemMaze maze(*user.maze);
    return ItemEffects::UseCurrentItem(self, opponent, maze);
}

}  // namespace zelka
