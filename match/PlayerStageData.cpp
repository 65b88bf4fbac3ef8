#include "match/PlayerStageData.h"

#include "engine/core/Cog.h"
#include "engine/media/Sprite.h"
#include "engine/tween/Ease.h"
#include "engine/tween/Tween.h"
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

}  // namespace

Ref<PlayerStageData> PlayerStageData::New(const Ref<PlayerData>& player, const Ref<GameMaze>& maze)
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

void PlayerStageData::Process2(int ms)
{
    if (pointerBob) {
        pointerBob->Update(ms);
    }
}

void PlayerStageData::CommitPlayerToMaze(int /*col*/, int /*row*/)
{
}

void PlayerStageData::ResetPlayer()
{
}

Vector PlayerStageData::GetCameraPosition() const
{
    return startPosition;
}

bool PlayerStageData::IsTeleporting() const
{
    return false;
}

bool PlayerStageData::ReachedTeleportPosition() const
{
    return false;
}

void PlayerStageData::Deallocate()
{
    // Only references are dropped: the nodes, cogs and textures belong to the stage, which
    // releases them itself. Nothing here may touch the graphics or sound device.
    character.reset();
    maze.reset();
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
