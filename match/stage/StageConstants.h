#pragma once

namespace zelka {

// ---- The match stage.
inline constexpr int kMatchStageLoadSteps = 11;
inline constexpr int kStageResultsId = 4;            // where a versus or race match ends
inline constexpr int kStageTitleId = 3;              // where the attract demo ends

// The attract demo ends after this much match time (about 26 s at 16 ms per update).
inline constexpr int kAttractLengthMs = 25000;

// What the load steps build.
inline constexpr int kDefaultMazeWidth = 16;         // cells, without match settings
inline constexpr int kDefaultMazeHeight = 15;
inline constexpr int kDustParticles = 20;            // dust pool; a full pool emits nothing
inline constexpr int kDustLifeMs = 800;
inline constexpr float kDustEndScale = 0.2f;         // scale.x and scale.y shrink to this
inline constexpr int kBoxCellSize = 400;             // px, collision engine cells
inline constexpr float kMessageFontScale = 2.0f;     // message labels and big messages
inline constexpr float kSmallMessageScaleX = 0.25f;  // small messages, standard font
inline constexpr float kSmallMessageScaleY = 0.6f;
inline constexpr float kMessageAboveCharacter = 16.0f;   // px over the character's centre
inline constexpr float kMessageLabelWidth = 320.0f;      // px box of a message label
inline constexpr float kMessageLabelHeight = 32.0f;

// Heads-up display, virtual-screen px.
inline constexpr float kItemsP1X = 160.0f;
inline constexpr float kItemsP2X = 480.0f;
inline constexpr float kItemsY = 40.0f;
inline constexpr float kStatusBarP1X = 32.0f;
inline constexpr float kStatusBarP2X = 608.0f;
inline constexpr float kStatusBarY = 58.0f;

// Intro banner: "ready.png" slides across, then "go.png" grows.
inline constexpr float kBannerLeadWidth = 640.0f;    // empty space before "READY"
inline constexpr float kBannerGapWidth = 480.0f;     // between "READY" and "GO"
inline constexpr float kBannerGoPadWidth = 120.0f;   // either side of "GO"
inline constexpr float kBannerY = 180.0f;
inline constexpr float kScreenWidthPx = 640.0f;
inline constexpr int kBannerSlideMs = 2200;          // "INTRO_1"
inline constexpr int kBannerGrowMs = 300;            // "INTRO_2"
inline constexpr float kBannerGrowTo = 8.0f;

// Player pointer over each character: "p<n>_pointer.png", 32 x 32 tiles at 8 fps, bobbing
// between 24 and 32 px above the character's top edge.
inline constexpr int kPointerTileSize = 32;
inline constexpr int kPointerFps = 8;
inline constexpr int kPointerIdleRest = 14;          // frame 0 this many times, then 1, 2, 3
inline constexpr float kPointerBobFrom = -24.0f;
inline constexpr float kPointerBobTo = -32.0f;
inline constexpr int kPointerBobMs = 200;

inline constexpr int kStartLightRadius = 5;          // tiles of light around a start tile

// Sound effects of the stage.
inline constexpr int kSfxMatchStart = 302;           // voice channel
inline constexpr int kSfxMatchEnd = 303;             // voice channel
inline constexpr int kSfxPause = 500;                // 500 and 501 in turn, voice channel
inline constexpr int kSfxTeleportStart = 10;
inline constexpr int kSfxTeleportArrive = 11;
inline constexpr int kSfxTrapsMoved = 12;
inline constexpr int kStageQuakeMs = 300;

}  // namespace zelka
