#include "services/settings/GameWorld.h"

namespace zelka {

Ref<GameWorld> GameWorld::New(int id, const String& key, const String& name, int flags)
{
    auto world = std::make_shared<GameWorld>();
    world->id_ = id;
    world->key_ = key;
    world->name_ = name;
    world->flags_ = flags;
    return world;
}

}  // namespace zelka
