#include "screens/menus/GameModesMultiOption.h"

#include "services/data/GameData.h"
#include "services/settings/GameMode.h"
#include "screens/menus/GameModeMenuOption.h"

namespace zelka {

namespace {

constexpr int kGameModeCodeBase = 100;  // entry n has code 100 + n

}  // namespace

Ref<GameModesMultiOption> GameModesMultiOption::New()
{
    auto option = std::make_shared<GameModesMultiOption>();
    for (size_t i = 0; i < GameData::gameModeList.size(); ++i) {
        const Ref<GameMode>& mode = GameData::gameModeList[i];
        if (mode) {
            option->AddEntry(GameModeMenuOption::New(
                mode->GetId(), kGameModeCodeBase + static_cast<int>(i), nullptr));
        }
    }
    return option;
}

void GameModesMultiOption::Reset()
{
    // A stored index outside the list (the list is shorter now) falls back to the first.
    const int stored = GameData::lastSelOpt;
    SetIndex(stored >= 0 && stored < GetEntryCount() ? stored : 0);
}

void GameModesMultiOption::PrevOption()
{
    MultiMenuOption::PrevOption();
    GameData::lastSelOpt = GetIndex();
}

void GameModesMultiOption::NextOption()
{
    MultiMenuOption::NextOption();
    GameData::lastSelOpt = GetIndex();
}

}  // namespace zelka
