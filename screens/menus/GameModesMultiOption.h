#pragma once

#include "screens/menus/MultiMenuOption.h"

namespace zelka {

// One entry per game mode of the list, in list order (code 100 + position, no lock). The
// choice survives the menu: Reset returns to GameData::lastSelOpt, and every step stores
// the new index there.
class GameModesMultiOption : public MultiMenuOption {
public:
    static Ref<GameModesMultiOption> New();

    void Reset() override;
    void PrevOption() override;
    void NextOption() override;
};

}  // namespace zelka
