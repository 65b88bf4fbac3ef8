#pragma once

namespace zelka {

// ---- Stage identifiers (ZELKA::CreateStage). kNoStageId (-99999) means none yet.
inline constexpr int kStageMatch = 1;        // extended stage, 11 load steps
inline constexpr int kStageCharSelect = 2;   // extended stage, 7 load steps
inline constexpr int kStageTitle = 3;        // extended stage, 8 load steps
inline constexpr int kStageResults = 4;      // plain stage, 5 load steps
inline constexpr int kStageIntro = 5;        // plain stage, 3 load steps; the first stage
inline constexpr int kStageCredits = 6;      // plain stage, 2 load steps
inline constexpr int kStageIntro2 = 7;       // plain stage, 1 load step

inline constexpr int kMatchLoadSteps = 11;
inline constexpr int kCharSelectLoadSteps = 7;
inline constexpr int kTitleLoadSteps = 8;
inline constexpr int kResultsLoadSteps = 5;
inline constexpr int kIntroLoadSteps = 3;
inline constexpr int kCreditsLoadSteps = 2;
inline constexpr int kIntro2LoadSteps = 1;

// ---- Application timing.
inline constexpr int kAppUpdateRate = 60;        // updates per second
inline constexpr int kAppStabilityFrames = 20;   // consecutive short updates after a load

// ---- Virtual screen, pixels.
inline constexpr float kVirtualWidth = 640.0f;
inline constexpr float kVirtualHeight = 360.0f;

// ---- Transitions, drawn black in virtual-screen pixels.
inline constexpr int kFadeTransitionMs = 1200;      // second intro, in and out
inline constexpr int kDiamondTransitionMs = 500;    // every stage but the intros
inline constexpr int kDiamondColumns = 17;          // columns k = 0..16
inline constexpr int kDiamondRows = 13;             // y = 0, 30, ..., 360
inline constexpr float kDiamondColumnStep = 40.0f;  // column spacing, px
inline constexpr float kDiamondRowStep = 30.0f;     // row spacing, px
inline constexpr float kDiamondHalfWidth = 40.0f;   // a diamond's half width at scale 1, px
inline constexpr float kDiamondHalfHeight = 30.0f;  // a diamond's half height at scale 1, px
inline constexpr float kDiamondGrowth = 1.1f;       // scale factor from one column to the next
inline constexpr int kDiamondVertexFloats = 8;      // four x, y pairs

// ---- Music.
inline constexpr int kMusicFadeOutMs = 500;   // leaving a stage fades the music to 0

// ---- Event sent by NotifyPlayerInputMode (source: the game, data: the PlayerData).
inline constexpr int kEventPlayerInputModeChanged = 1010;

// ---- "LOADING..." text of the loading screen.
inline constexpr float kLoadingTextX = 580.0f;    // virtual px
inline constexpr float kLoadingTextY = 344.0f;
inline constexpr float kLoadingTextScale = 0.5f;
inline constexpr int kLoadingTextGrey = 96;       // tint (96, 96, 96)

}  // namespace zelka
