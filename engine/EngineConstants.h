#pragma once

namespace zelka {

// ---- Event identifiers of the engine's own senders: every engine event id lives here (the
// match keeps its own in match/MatchEvents.h). The same number can mean different things
// from different senders, so listeners filter by source.
inline constexpr int kEventAnyId = -9999999;          // listener filter: every identifier
inline constexpr int kEventTweenStopped = 100;        // Tween stopped or finished its last run
inline constexpr int kEventTweenPaused = 200;         // Tween paused
inline constexpr int kEventTweenStarted = 300;        // Tween starts playing
inline constexpr int kEventTweenYoyo = 400;           // Tween turned round (yoyo)
inline constexpr int kEventTweenLooped = 500;         // looping Tween restarts
inline constexpr int kEventTweenRunEnded = 600;       // end of every Tween run
inline constexpr int kEventTweenEngineStopped = 1000; // TweenEngine: a driven tween stopped
inline constexpr int kEventTimerFired = -8000;        // Timer ran out
inline constexpr int kEventKinematicOverlap = 100;    // CollisionBox overlaps a kinematic box
inline constexpr int kEventSolidContact = 101;        // CollisionBox pushed out of a solid
// Sprite: the last frame of its sequence has run out; data is a StringObject holding the
// sequence name.
inline constexpr int kEventSequenceEnded = 4;
// ParticleEmitter (source: the emitter, data: the particle).
inline constexpr int kEventParticleUpdated = 7777;    // a live particle was updated (events flag on)
inline constexpr int kEventParticleDied = 7778;       // a particle's life ran out (always sent)
inline constexpr int kEventCounterReached = -54321;   // IncrementalIntLabel reached its target

// ---- Game and stages.
inline constexpr int kNoStageId = -99999;             // stage identifier: none / none pending
inline constexpr int kDefaultStabilityFrames = 25;    // consecutive short updates after a load
inline constexpr int kStableStepIntervals = 3;        // a step under 3 update intervals is short
inline constexpr int kMinUpdateRate = 1;              // updates per second
inline constexpr int kMaxUpdateRate = 1000;           // updates per second
inline constexpr int kMsPerSecond = 1000;
inline constexpr int kFullProgress = 100;             // loading progress when done, percent
inline constexpr float kClearScreenMargin = 2.0f;     // ClearScreen overdraws each edge, pixels

// ---- Drawing state.
inline constexpr int kTintStackDepth = 32;            // nested tinted levels before the fatal error
inline constexpr int kColorMax = 255;                 // tint component range 0..255

// ---- Geometry.
inline constexpr float kDegToRad = 0.017453292f;      // single-precision degree-to-radian factor

}  // namespace zelka
