#pragma once

namespace zelka {

// ---- First intro: the studio splash (times in ms).
inline constexpr int kIntroMonsterRiseMs = 2000;   // mascot rises out of its base
inline constexpr int kIntroUrlRevealMs = 3000;     // web address uncovered left to right
inline constexpr int kIntroHoldMs = 1500;          // still picture before the fade
inline constexpr int kIntroFadeMs = 1500;          // black mask covers the screen
inline constexpr float kIntroUrlWidth = 300.0f;    // address box at the end of its reveal, px
inline constexpr float kIntroUrlStartWidth = 1.0f; // a 0 box would leave the width to the text
inline constexpr float kIntroUrlHeight = 32.0f;
inline constexpr float kIntroUrlY = 120.0f;        // below the logo base
inline constexpr float kIntroUrlScaleX = 0.3f;
inline constexpr float kIntroUrlScaleY = 0.4f;

// The maker's web address: plain upper case, no colour codes (the single-line cut could
// split one, and drawing a split code is fatal).
inline constexpr const char32_t* kIntroWebAddress = U"WWW.ZIBGAMES.EXAMPLE";

// ---- Second intro: the controller reminder.
inline constexpr int kIntro2ShowMs = 4000;         // goes on once more time than this passed
inline constexpr float kIntro2PictureY = -50.0f;
inline constexpr float kIntro2MessageY = 50.0f;
inline constexpr float kIntro2MessageWidth = 480.0f;
inline constexpr float kIntro2MessageHeight = 64.0f;
inline constexpr int kIntro2MessageGrey = 144;
inline constexpr float kIntro2FootnoteY = 96.0f;
inline constexpr float kIntro2FootnoteScale = 0.6f;
inline constexpr int kIntro2FootnoteGrey = 96;

}  // namespace zelka
