#pragma once

namespace zelka {

// ---- Lock card (msgbox.png, 288 x 64).
inline constexpr float kLockTextWidth = 238.0f;     // px, text box
inline constexpr float kLockTextHeight = 48.0f;
inline constexpr float kLockTextScale = 0.3f;       // font scale, both axes
inline constexpr float kLockTextLineFactor = 2.0f;  // inter-line factor
inline constexpr float kLockTextIconX = 24.0f;      // text x when the card has an icon
inline constexpr float kLockIconRight = -104.0f;    // icon x = this - icon width / 2
inline constexpr int kLockCardOpenMs = 300;         // the card's panel unfolds "scale.y"

// ---- "UNLOCKED" notices: a 200 x 32 body inside a toast.
inline constexpr float kNoticeWidth = 200.0f;       // px
inline constexpr float kNoticeHeight = 32.0f;
inline constexpr float kNoticeTextScale = 0.25f;
inline constexpr float kNoticeWorldTextWidth = 180.0f;
inline constexpr float kNoticeTextHeight = 24.0f;
inline constexpr float kNoticeCharTextWidth = 106.0f;
inline constexpr float kNoticeCharTextX = -10.0f;
inline constexpr float kNoticeCharTextY = 2.0f;
inline constexpr float kNoticeSpriteX = 70.0f;
inline constexpr float kNoticeSpriteY = -6.0f;
inline constexpr int kNoticeSpriteTileWidth = 32;   // px; the height is the character's
inline constexpr int kNoticeSpriteFps = 4;

// ---- Items a lock may count (the item-use statistics keep items 0 .. 8).
inline constexpr int kFirstLockItem = 0;
inline constexpr int kLastLockItem = 8;

}  // namespace zelka
