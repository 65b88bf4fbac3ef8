#pragma once

namespace zelka {

// ---- Layout of the scrolling column (px, y downward from the column's top).
inline constexpr float kCreditsTitleStep = 50.0f;   // a section title moves the column by
inline constexpr float kCreditsLineStep = 20.0f;    // a line moves it by
inline constexpr float kCreditsStartY = 160.0f;     // column top at the start: near the bottom edge
inline constexpr float kCreditsHalfScreen = 180.0f; // the bottom edge is 180 below the centre
inline constexpr float kCreditsPromptRest = -10.0f; // "PRESS ANY KEY" stops just above the centre
inline constexpr float kCreditsLineScaleX = 0.3f;
inline constexpr float kCreditsLineScaleY = 0.4f;
inline constexpr int kCreditsLineGrey = 200;
inline constexpr int kCreditsVoiceRoleGrey = 160;   // the voiced part under an actor's name
inline constexpr int kCreditsClosingGrey = 96;      // the permission lines
inline constexpr float kCreditsPromptScaleX = 0.45f;
inline constexpr float kCreditsPromptScaleY = 0.5f;
inline constexpr int kCreditsPromptBlinkMs = 1000;

// ---- Scroll speed, px per update.
inline constexpr float kCreditsSlowStep = 0.5f;
inline constexpr float kCreditsFastStep = 2.0f;     // while player 1 holds accept

// ---- Sound played when leaving from the end.
inline constexpr int kSfxCreditsEnd = 304;

// ---- Guest characters: roster ids.
inline constexpr int kGuestFirstId = 4;
inline constexpr int kGuestCount = 3;
inline constexpr int kGuestArtId = 6;               // named in an art section title
inline constexpr int kGuestHiddenMarks = 10;        // '?' shown for a locked guest's name

}  // namespace zelka
