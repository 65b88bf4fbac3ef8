#include "engine/core/Cog.h"

#include "engine/stage/Game.h"
#include "engine/stage/Stage.h"

namespace zelka {

Ref<Cog> Cog::New(const String& name)
{
    return std::make_shared<Cog>(name);
}

void Cog::Unhook()
{
    Game* game = Game::GetCurrentGame();
    if (game == nullptr) {
        return;
    }
    const Ref<Stage> stage = game->GetCurrentStage();
    if (stage) {
        stage->RemoveCog(this);
    }
}

}  // namespace zelka
