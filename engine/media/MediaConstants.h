#pragma once

#include "engine/EngineConstants.h"   // kEventSequenceEnded

namespace zelka {

// Sprite playback status.
inline constexpr int kSpriteStopped = 0;
inline constexpr int kSpritePlaying = 1;
inline constexpr int kSpriteSequenceEnded = 3;   // seen only by listeners of kEventSequenceEnded

// Sprite::PlaySequence results.
inline constexpr int kPlaySequenceStarted = 0;
inline constexpr int kPlaySequenceUnknown = -1;   // no such sequence: none is current now
inline constexpr int kPlaySequenceAlready = -2;   // already the current one: not restarted

// Frame time limits: at or above this rate a frame lasts 1 ms.
inline constexpr int kMaxSpriteFps = 1000;

}  // namespace zelka
