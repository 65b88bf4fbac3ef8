#pragma once

namespace zelka {

// ---- Screen layout: pixels from the screen's centre, y down.
inline constexpr float kCharSelHalfWidth = 320.0f;    // half the 640-wide virtual screen
inline constexpr float kCharSelHalfHeight = 180.0f;

// ---- Roulette of faces.
inline constexpr int kRouletteSlots = 5;              // faces index - 2 .. index + 2
inline constexpr int kRouletteCentreSlot = 2;
inline constexpr float kRouletteSlotStep = 64.0f;     // px between faces, one scroll step
inline constexpr float kRouletteSpacing = 110.0f;     // x = (i - 0.5) x spacing: -55, +55
inline constexpr float kRouletteY = 60.0f;
inline constexpr int kRouletteScrollMs = 250;         // after the delay; held scrolling
inline constexpr int kRouletteScrollDelayMs = 120;    // gives one face per 370 ms
inline constexpr int kVoiceFirst = 100;               // character id k: voices 100 + 2k, +1
inline constexpr int kNoVoiceAnnounced = -1;

// ---- Sound effects.
inline constexpr int kSfxCancel = 0;
inline constexpr int kSfxAccept = 1;
inline constexpr int kSfxRouletteStep = 2;
inline constexpr int kSfxPromptLit = 15;
inline constexpr int kSfxCursorMoved = 16;
inline constexpr int kSfxWorldVoiceFirst = 200;       // world id w: 200 + w
inline constexpr int kSfxCharSelWelcome = 300;        // at the first stable update

// ---- Profile cards.
inline constexpr float kCardWidth = 200.0f;
inline constexpr float kCardHeight = 360.0f;          // the full screen height
inline constexpr int kCardSlideMs = 300;
inline constexpr float kCardTextWidth = 160.0f;
inline constexpr float kCardTitleHeight = 32.0f;
inline constexpr float kCardTitleScale = 0.5f;
inline constexpr float kCardLineHeight = 22.0f;       // per line of a value label
inline constexpr float kCardWrapScaleX = 0.5f;        // half-width glyphs of wrapped values
inline constexpr int kCardSideLeft = -1;
inline constexpr int kCardSideRight = 1;

// ---- World and match-settings panels (both 640 x 120, black).
inline constexpr float kChoicePanelWidth = 640.0f;
inline constexpr float kChoicePanelHeight = 120.0f;
inline constexpr float kChoicePanelClosedY = 800.0f;  // "position.y" when out of sight
inline constexpr float kChoicePanelOpenY = 0.0f;
inline constexpr int kChoicePanelSlideMs = 500;
inline constexpr float kSelectorArrowGap = 16.0f;     // px between a label's edge and its arrow
inline constexpr int kArrowKindBig = 1;               // cursor1.png
inline constexpr int kArrowKindSmall = 3;             // cursor3.png
inline constexpr int kLockedWorldGrey = 64;
inline constexpr int kGreyLabel = 128;
inline constexpr int kNoField = -1;                   // the preset row of the settings panel
inline constexpr int kCustomPreset = -1;

// ---- Match-settings parameter labels.
inline constexpr float kParamScale = 0.4f;
inline constexpr float kParamNameWidth = 196.0f;
inline constexpr float kParamValueWidth = 100.0f;
inline constexpr float kParamHeight = 20.0f;
inline constexpr float kParamValueGap = 10.0f;        // px between the name and its value
inline constexpr float kFieldArrowGap = 6.0f;
inline constexpr int kParamRows = 4;                  // parameters per column
inline constexpr float kParamFirstX = -217.0f;
inline constexpr float kParamColumnStep = 318.0f;
inline constexpr float kParamFirstY = -12.0f;
inline constexpr float kParamRowStep = 18.0f;
inline constexpr int kNoValueShown = -1;

// ---- Lock notices: a Panel unfolding on "scale.y" from 0.
inline constexpr float kLockNoticeClosed = 0.0f;

}  // namespace zelka
