#pragma once

#include "match/MatchConstants.h"

namespace zelka {

// The match's heads-up display, in virtual-screen pixels; children are placed relative to
// their parent's centre.
inline constexpr float kTopBarX = 320.0f;            // screen centre of the top bar
inline constexpr float kTopBarY = 38.0f;
inline constexpr float kFaceX = 288.0f;              // faces at -x (player 1) and +x
inline constexpr float kFaceY = -6.0f;
inline constexpr float kNameX = 160.0f;
inline constexpr float kNameY = -30.0f;
inline constexpr float kScoreX = 30.0f;
inline constexpr float kScoreY = 14.0f;
inline constexpr float kGoalY = 0.0f;                // "GOAL" over each score in a race
inline constexpr float kTimeY = -22.0f;

inline constexpr float kNameWidth = 160.0f;
inline constexpr float kNameHeight = 12.0f;
inline constexpr float kNameFontScale = 0.25f;
inline constexpr float kScoreWidth = 44.0f;
inline constexpr float kScoreHeight = 24.0f;
inline constexpr float kScoreFontScale = 0.5f;
inline constexpr float kTimeWidth = 110.0f;
inline constexpr float kTimeHeight = 32.0f;

// Scores move one point towards the real score per refresh. The accumulator is reset to 0
// (not reduced) once it exceeds this, so at 16 ms per update a refresh comes every 7th
// update: about nine points a second.
inline constexpr int kScoreRefreshMs = 99;

// The clock blinks over the last seconds: visible in the first half of each second, with a
// tick each time it lights up.
inline constexpr int kClockBlinkSeconds = 6;         // from 6 s left (less than 7000 ms)
inline constexpr int kClockBlinkOnMs = 500;
inline constexpr int kSfxClockTick = 24;             // played on the clock's channel
inline constexpr int kMsPerMinute = 60000;
inline constexpr int kSecondsPerMinute = 60;

// Face tint by the character's debuff (kDebuffConfused and the others: MatchConstants.h).
inline constexpr int kTintDimmed = 128;              // the two reduced components
// Face shakes: mode 1 sideways by up to 3 px, any other mode a rotation of up to 5 degrees;
// the angle fed to the sine is twice the ms left.
inline constexpr int kShakeSideways = 1;
inline constexpr float kShakeOffsetPx = 3.0f;
inline constexpr float kShakeRotationDeg = 5.0f;
inline constexpr float kShakeDegPerMs = 2.0f;

// Status-effect timers: the icon (16 x 16 tiles, sequence "go" = frames 0-6 looping at
// 20 frames a second) at -8, the seconds at +6 in a 20 x 16 box.
inline constexpr int kEffectIconSize = 16;           // px
inline constexpr int kEffectIconFps = 20;
inline constexpr int kEffectIconLastFrame = 6;
inline constexpr float kEffectIconX = -8.0f;
inline constexpr float kEffectLabelX = 6.0f;
inline constexpr float kEffectLabelFontScale = 0.3f;
inline constexpr float kEffectLabelWidth = 20.0f;
inline constexpr float kEffectLabelHeight = 16.0f;
// The two timers of a bar stand this far either side of its centre; the first one sits on
// the screen's outer side.
inline constexpr float kEffectTimerOffset = 18.0f;

}  // namespace zelka
