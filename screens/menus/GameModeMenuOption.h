#pragma once

#include "screens/menus/MenuOption.h"

namespace zelka {

// An entry for a game mode: named after the mode with that identifier in the game-mode
// list, "???" when the list has none.
class GameModeMenuOption : public MenuOption {
public:
    GameModeMenuOption(int gameModeId, int code, Ref<GDO> lockCard);
    static Ref<GameModeMenuOption> New(int gameModeId, int code, const Ref<ContentLock>& lock);

    [[nodiscard]] int GetGameModeId() const { return gameModeId_; }

private:
    int gameModeId_ = -1;
};

}  // namespace zelka
