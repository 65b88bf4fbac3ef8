#pragma once

#include "platform/core/Ref.h"

namespace zelka {

// The music side of a stage switch. The game's own (NewSoundManagerMusic) plays through
// the audio and sound managers; tests record the calls.
class StageMusic {
public:
    virtual ~StageMusic() = default;
    // Tweens the music volume from its present value to 0 over ms.
    virtual void FadeOut(int ms) = 0;
    // Stops the playing music and clears the music channel's track name (so a track equal
    // to the old one starts again), then starts sound-manager track `track` unless it is
    // kBGMNone.
    virtual void Restart(int track) = 0;
};

[[nodiscard]] Ref<StageMusic> NewSoundManagerMusic();

}  // namespace zelka
