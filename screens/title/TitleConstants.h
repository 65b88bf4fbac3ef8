#pragma once

namespace zelka {

// ---- Title screen: effects (channel 0).
inline constexpr int kSfxTitleAccept = 1;      // a game mode or the credits chosen
inline constexpr int kSfxTitleStep = 2;        // the shown option changed
inline constexpr int kSfxTitleMenuShown = 15;  // player 1 took a device and the menu came up
inline constexpr int kSfxTitleCancel = 0;

// ---- Title screen: times (ms).
inline constexpr int kAttractIdleMs = 14999;     // idle beyond this starts the attract mode
inline constexpr int kFireIntervalMs = 49;       // fire is emitted once the timer exceeds this
inline constexpr int kFireLifeMs = 400;
inline constexpr int kOptionSlideMs = 500;       // an option label slides in or out
inline constexpr int kHowToPlayFirstDelayMs = 1000;  // the guide opens by itself on a first run
inline constexpr int kPromptBlinkMs = 500;
inline constexpr int kTitlePanelMs = 300;
inline constexpr float kStatsPanelClosed = 0.0f;  // its "scale.y" when folded away

// ---- Title screen: layout (px from the screen's centre).
inline constexpr float kLogoGroupY = -40.0f;
inline constexpr float kOverlayImageY = 111.0f;
inline constexpr float kMenuY = 120.0f;          // prompt and option labels
inline constexpr float kPromptScale = 0.5f;
inline constexpr float kPromptWidth = 620.0f;
inline constexpr float kPromptHeight = 20.0f;
inline constexpr float kVersionScale = 0.25f;
inline constexpr float kVersionWidth = 90.0f;
inline constexpr float kVersionHeight = 9.0f;
inline constexpr float kVersionMargin = 4.0f;    // off the top-right corner
inline constexpr int kVersionGrey = 128;
inline constexpr float kOptionLabelScale = 0.4f;
inline constexpr float kOptionSlideDistance = 640.0f;  // a whole screen width
inline constexpr float kSideCursorGap = 16.0f;   // left and right arrows off the label's ends
inline constexpr float kUpDownCursorGap = 8.0f;  // up and down arrows off its top and bottom
inline constexpr float kFireSpeedX = 30.0f;      // horizontal speed in -30 .. 30 px/s
inline constexpr float kFireSpeedY = -140.0f;    // px/s, upward
inline constexpr int kFireParticles = 50;
inline constexpr float kFireRightX = 68.0f;      // the two torches of the logo
inline constexpr float kFireLeftX = -58.0f;
inline constexpr float kFireY = -60.0f;

// ---- Option codes of the title menu.
inline constexpr int kTitleCodeControls = 0;
inline constexpr int kTitleCodeExit = 1;
inline constexpr int kTitleCodeStats = 2;
inline constexpr int kTitleCodeSettings = 3;
inline constexpr int kTitleCodeCredits = 4;
inline constexpr int kTitleCodeHowToPlay = 5;

// ---- How-to-play page (px; boxes measured from the page's top-left corner).
inline constexpr float kHowToPlayWidth = 592.0f;
inline constexpr float kHowToPlayHeight = 308.0f;
inline constexpr int kHtpBlue[3] = {64, 123, 220};  // headings and the cursor bar
inline constexpr float kHtpCursorHeight = 22.0f;
inline constexpr float kHtpArrowGap = 14.0f;     // the arrow's centre left of the bar's left end
inline constexpr int kHtpArrowTileWidth = 32;
inline constexpr int kHtpArrowTileHeight = 24;
inline constexpr int kHtpArrowFrames = 5;
inline constexpr int kHtpArrowFps = 10;

// ---- Statistics panel (px from the panel's centre).
inline constexpr float kStatsWidth = 600.0f;
inline constexpr float kStatsHeight = 300.0f;
inline constexpr float kStatsLabelScale = 0.3f;
inline constexpr float kStatsModeNameScaleX = 0.25f;
inline constexpr float kStatsColumnStep = 100.0f;   // column k at -240 + 100 k
inline constexpr float kStatsColumnOrigin = -240.0f;
inline constexpr float kStatsRowTitleX = -240.0f;
inline constexpr float kStatsModeNameY = -100.0f;
inline constexpr float kStatsWinsY = -84.0f;
inline constexpr float kStatsDrawsY = -68.0f;
inline constexpr float kStatsLossesY = -52.0f;
inline constexpr float kStatsMatchTitleY = -124.0f;
inline constexpr float kStatsItemTitleY = 0.0f;
inline constexpr float kStatsItemStep = 60.0f;       // item d at 60 d - 240
inline constexpr float kStatsItemOrigin = -240.0f;
inline constexpr float kStatsIconY = 40.0f;
inline constexpr float kStatsP1UsesY = 70.0f;
inline constexpr float kStatsP2UsesY = 86.0f;
inline constexpr float kStatsPlayerTitleX = -280.0f;
inline constexpr int kStatsValueGrey = 192;

}  // namespace zelka
