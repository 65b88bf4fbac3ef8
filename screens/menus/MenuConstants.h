#pragma once

namespace zelka {

// ---- Effects the menus play (channel 0).
inline constexpr int kSfxMenuMove = 16;     // the cursor moved to another row
inline constexpr int kSfxMenuCancel = 0;    // cancel (the same effect as a closing panel)

// ---- Over-message (OverlaidWarning) time-outs, ms.
inline constexpr int kOverMsgNoTimeout = 0;          // stays until closed
inline constexpr int kOverMsgCapture = -999999;      // capture mode: waits for a key, never expires

// ---- Menu geometry, px.
inline constexpr float kMenuLabelMargin = 10.0f;     // a label of width < 1 is the menu width - 10
inline constexpr float kMenuLabelHeight = 22.0f;
inline constexpr float kMenuLabelScaleX = 0.8f;      // font scale 0.8 x 1
inline constexpr float kArrowGap = 8.0f;             // arrow cursors stand 8 px off the value
inline constexpr int kMenuArrowImage = 1;            // "cursor1.png"
inline constexpr float kOverlayMenuY = 20.0f;        // the pause and settings menus below their panel's centre

// ---- Colours used by more than one menu.
inline constexpr int kGreyDisabled = 128;            // a disabled row (128, 128, 128)

}  // namespace zelka
