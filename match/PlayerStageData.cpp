#include "match/PlayerStageData.h"

#include "engine/core/Cog.h"
#include "engine/core/EventManager.h"
#include "engine/core/MathUtil.h"
#include "engine/media/Sprite.h"
#include "engine/tween/Ease.h"
#include "engine/tween/Tween.h"
#include "match/MatchEvents.h"
#include "match/character/Character.h"
#include "match/items/PlayerItemUser.h"
#include "match/maze/GameMaze.h"
#include "match/stage/StageConstants.h"
#include "services/player/PlayerData.h"

#include <string>
#include <vector>

namespace zelka {
namespace {

String PointerPath(int player)
{
    return U"p" + FromLatin1(std::to_string(player)) + U"_pointer.png";
}

// Frame 0 fourteen times, then 1, 2, 3: a short glint after a long rest.
std::vector<int> PointerIdleFrames()
{
    std::vector<int> frames(kPointerIdleRest, 0);
    frames.insert(frames.end(), {1, 2, 3});
    return frames;
}

// The centre of tile `index` of `count` along one axis, relative to the map's centre; a
// negative index counts as the first tile, one past the end as the last.
float StartCoordinate(int index, int count)
{
    const int tile = index < 0 ? 0 : math::Min(index, count - 1);
    return static_cast<float>(tile * kTileSize) - static_cast<float>(count * kTileSize) * 0.5f +
           static_cast<float>(kHalfTile);
}

}  // namespace

Ref<PlayerStageData> PlayerStageData::New(const Ref<PlayerData>& player, GameMaze* maze)
{
    auto data = std::make_shared<PlayerStageData>();
    data->playerData = player.get();
    data->maze = maze;
    data->pointer = Sprite::New(PointerPath(player ? player->GetPlayerNumber() : 1),
                                kPointerTileSize, kPointerTileSize, kPointerFps);
    data->pointer->DefineSequence2(U"idle", PointerIdleFrames(), true);
    data->pointer->PlaySequence(U"idle");
    data->pointer->visible = false;
    data->pointerBob = Tween::New(BounceEaseInOut::New(), kPointerBobFrom, kPointerBobTo,
                                  kPointerBobMs, true, true);
    data->pointerBob->Start();
    return data;
}

int PlayerStageData::GetPlayerNumber() const
{
    return playerData ? playerData->GetPlayerNumber() : 1;
}

bool PlayerStageData::UseCurrentItem()
{
    return UsePlayerItem(*this);
}

void PlayerStageData::Process2(int ms)
{
    if (pointerBob) {
        pointerBob->Update(ms);
    }
    if (!character) {
        return;
    }
    if (pointer) {
        pointer->visible = true;
        pointer->position->Set(character->position->x,
                               character->position->y - character->GetRealHeight() * 0.5f +
                                   (pointerBob ? pointerBob->GetValue() : 0.0f));
    }
    const Vector map = MapPosition();
    collisionAnchor->Set(character->position->x + map.x, character->position->y + map.y);
    EventManager::SendEvent(character.get(), kEventMoved, this);
}

Vector PlayerStageData::MapPosition() const
{
    return maze ? *maze->GetMazeBaseGDO()->position : Vector();
}

void PlayerStageData::CommitPlayerToMaze(int col, int row)
{
    if (!maze || !character) {
        return;
    }
    startPosition.Set(StartCoordinate(col, maze->GetCols()), StartCoordinate(row, maze->GetRows()));
    startDirection = maze->GetFirstExitFromCell(col, row);
    maze->GetMazeBaseGDO()->AddLightSource(col, row, kStartLightRadius);
    EventManager::RegisterListener(std::dynamic_pointer_cast<GameMaze>(maze->shared_from_this()),
                                   character, kEventAnyId);
    ResetPlayer();
}

void PlayerStageData::ResetPlayer()
{
    if (!maze || !character) {
        return;
    }
    character->position->Set(startPosition.x, startPosition.y);
    const Vector map = MapPosition();
    collisionAnchor->Set(startPosition.x + map.x, startPosition.y + map.y);
    character->SetDirection(startDirection);
}

Vector PlayerStageData::GetCameraPosition() const
{
    const Vector map = MapPosition();
    if (!character) {
        return Vector(startPosition.x + map.x, startPosition.y + map.y);
    }
    return Vector(character->position->x + map.x, character->position->y + map.y);
}

bool PlayerStageData::IsTeleporting() const
{
    return character && character->IsTeleporting();
}

bool PlayerStageData::ReachedTeleportPosition() const
{
    return character && character->ReachedTeleportPosition();
}

int PlayerStageData::GetCurrentBuff() const
{
    return character ? character->GetCurrentBuff() : kBuffNone;
}

int PlayerStageData::GetCurrentDeBuff() const
{
    return character ? character->GetCurrentDeBuff() : kBuffNone;
}

int PlayerStageData::GetCurrentBuffTimer() const
{
    return character ? character->GetCurrentBuffTimer() : -1;
}

int PlayerStageData::GetCurrentDeBuffTimer() const
{
    return character ? character->GetCurrentDeBuffTimer() : -1;
}

void PlayerStageData::Deallocate()
{
    // Only references are dropped: the nodes, cogs and textures belong to the stage, which
    // releases them itself. Nothing here may touch the graphics or sound device.
    character.reset();
    maze = nullptr;
    itemStack.reset();
    pointer.reset();
    pointerBob.reset();
    collisionBox.reset();
    control.reset();
    profilePic.reset();
    statusBar.reset();
    windowShaker.reset();
}

}  // namespace zelka
