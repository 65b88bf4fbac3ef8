#pragma once

#include "engine/EngineConstants.h"   // kEventCounterReached

namespace zelka {

// Colour code inside drawn text: this character, then three characters whose codes are the
// red, green and blue tint (0-255) for the rest of the string.
inline constexpr char32_t kColorCodeChar = 18;
inline constexpr int kColorCodeLength = 4;           // the 18 and its three components
inline constexpr char32_t kSpaceChar = 32;           // stands in for characters without glyph
inline constexpr char32_t kLineFeedChar = 10;
inline constexpr char32_t kCarriageReturnChar = 13;

// Label styles.
inline constexpr int kLabelWrap = 0;
inline constexpr int kLabelSingleLine = 1;
inline constexpr int kLabelShrinkToFit = 2;

// Alignments: horizontal -1 left, 0 centre, 1 right; vertical -1 top, 0 centre, 1 bottom.
inline constexpr int kAlignStart = -1;
inline constexpr int kAlignCentre = 0;
inline constexpr int kAlignEnd = 1;

}  // namespace zelka
