#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <utility>

namespace zelka {

class ContentLock;

// Feature bits of a world, applied by the match.
inline constexpr int kWorldIce = 1;
inline constexpr int kWorldFallingRocks = 2;
inline constexpr int kWorldDarkness = 4;

// One world: identifier, folder key under "worlds/", display name, feature bits and an
// optional unlock rule.
class GameWorld {
public:
    static Ref<GameWorld> New(int id, const String& key, const String& name, int flags);

    int GetId() const { return id_; }
    const String& GetKey() const { return key_; }
    const String& GetName() const { return name_; }
    int GetFlags() const { return flags_; }
    const Ref<ContentLock>& GetLock() const { return lock_; }
    void SetLock(Ref<ContentLock> lock) { lock_ = std::move(lock); }

private:
    int id_ = 0;
    String key_;
    String name_;
    int flags_ = 0;
    Ref<ContentLock> lock_;
};

}  // namespace zelka
