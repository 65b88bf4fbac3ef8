#include "screens/menus/GameModeMenuOption.h"

#include "services/data/GameData.h"

namespace zelka {

GameModeMenuOption::GameModeMenuOption(int gameModeId, int code, Ref<GDO> lockCard)
    : MenuOption(GameData::GetGameModeName(gameModeId), code, std::move(lockCard)),
      gameModeId_(gameModeId)
{
}

Ref<GameModeMenuOption> GameModeMenuOption::New(int gameModeId, int code,
                                                const Ref<ContentLock>& lock)
{
    return std::make_shared<GameModeMenuOption>(gameModeId, code, MakeLockCard(lock));
}

}  // namespace zelka
