#pragma once

namespace zelka {

// ---- Sound effects and voices.
inline constexpr int kSfxResultsCount = 3;     // looping while the scores count (channel 1)
inline constexpr int kSfxResultsReveal = 4;    // a row of counts appears
inline constexpr int kSfxResultsLoserDone = 5; // the loser's score has been counted
inline constexpr int kVoiceBase = 600;         // voice = 600 + 10 x character id + quote
inline constexpr int kVoicePerCharacter = 10;
inline constexpr int kFirstGuestId = 4;        // characters 4-6 have no voice
inline constexpr int kLastGuestId = 6;
inline constexpr float kVoiceMusicVolume = 0.6f;  // the music under a victory voice
inline constexpr int kVoiceMusicFadeMs = 500;

// ---- Layout (the screen is laid out around the world origin, which its camera centres).
inline constexpr float kPortraitX = 320.0f;    // player 1 at -x (mirrored), player 2 at +x
inline constexpr float kVertBarX = -106.0f;    // the portrait's inner edge
inline constexpr float kTitleY = -134.0f;
inline constexpr float kWinTitleX = 120.0f;    // "PLAYER 1" at -x, "PLAYER 2" at +x
inline constexpr float kDrawTitleX = 60.0f;    // "P1" at -x, "P2" at +x
inline constexpr float kTitleScale = 1.5f;
inline constexpr float kPanelX = 110.0f;       // P1_PANEL at -x, P2_PANEL at +x
inline constexpr float kScrollX = 100.0f;      // the root scrolls from +-100 to -+100
inline constexpr float kDialogY = 129.0f;

// ---- Rows: a name label and an "x" + count label.
inline constexpr float kRowNameX = -30.0f;
inline constexpr float kRowNameWidth = 120.0f;
inline constexpr float kRowCountX = 66.0f;
inline constexpr float kRowCountWidth = 54.0f;
inline constexpr float kRowHeight = 22.0f;
inline constexpr float kRowFirstY = -70.0f;    // then -50 and -30
inline constexpr float kRowStepY = 20.0f;
inline constexpr float kDrawCountsWidth = 170.0f;  // "x3 vs x5"
inline constexpr float kDrawRowStepY = 50.0f;      // draw rows at -70, -20, 30
inline constexpr float kDrawCountsBelow = 20.0f;   // their counts 20 px lower

// ---- Scores.
inline constexpr float kScoreWidth = 100.0f;
inline constexpr float kScoreHeight = 44.0f;
inline constexpr float kScoreScale = 2.0f;
inline constexpr float kScoreX = 40.0f;
inline constexpr float kScoreY = 16.0f;
inline constexpr float kDrawScoreY = 86.0f;

// ---- Timers (ms after the screen has loaded).
inline constexpr int kFirstRowMs = 250;
inline constexpr int kSecondRowMs = 1000;
inline constexpr int kThirdRowMs = 1750;
inline constexpr int kVersusScoreMs = 3000;    // the race's score comes at kThirdRowMs
inline constexpr int kLoserPanelMs = 250;      // the loser's panel greys this long after

// ---- Tweens.
inline constexpr int kScrollMs = 1000;
inline constexpr int kDrawTweenDelayMs = 1000;
inline constexpr float kCloseGapFrom = kPortraitX;  // draw: the portraits move in to +-220
inline constexpr float kCloseGapTo = 220.0f;
inline constexpr int kShineTween1Ms = 300;
inline constexpr int kShineTween2Ms = 500;
inline constexpr int kShineTween3Ms = 600;
inline constexpr float kShineTurn = 180.0f;     // SHINE1's rotation per unit, degrees

// ---- Shines around the winner's score (fractions of its label's size).
inline constexpr float kShineHeightFactor = 0.35f;
inline constexpr float kShine1Y = -0.7f;        // x half - w
inline constexpr float kShine3X = 0.85f;        // y -0.8 h
inline constexpr float kShine3Y = -0.8f;

// ---- Dialog with the winner's quote.
inline constexpr float kQuoteWidth = 380.0f;
inline constexpr float kQuoteHeight = 70.0f;
inline constexpr float kQuoteScale = 0.45f;
inline constexpr float kQuoteLineFactor = 1.85f;
inline constexpr float kQuoteShadowOffset = 2.0f;
inline constexpr int kQuoteShadowGrey = 128;

}  // namespace zelka
