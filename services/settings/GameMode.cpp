#include "services/settings/GameMode.h"

namespace zelka {

Ref<GameMode> GameMode::New(int id, const String& name, const String& shortName, int kind,
                            bool twoPlayer)
{
    auto mode = std::make_shared<GameMode>();
    mode->id_ = id;
    mode->name_ = name;
    mode->shortName_ = shortName;
    mode->kind_ = kind;
    mode->twoPlayer_ = twoPlayer;
    return mode;
}

}  // namespace zelka
