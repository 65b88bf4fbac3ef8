#pragma once

#include "engine/media/Sprite.h"

namespace zelka {

// The dust and debris of a wall smashed by the wall-breaker: visible only while it plays.
class BreakAnimation : public Sprite {
public:
    // The world's "wallbreak.png", 48 x 48 frames at 15 fps, "break" = frames 0-4 once; hidden.
    static Ref<BreakAnimation> New();

    void PlayBreakSequence();
    bool IsPlaying() const;

    void Update(int ms) override;

    BreakAnimation(Ref<DrawableCollection> collection, int fps)
        : Sprite(std::move(collection), fps)
    {
    }
};

}  // namespace zelka
