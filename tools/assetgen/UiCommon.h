#pragma once

// Colours and drawing helpers shared by the interface art files.

#include <string>

#include "tools/assetgen/Canvas.h"

namespace zelka::assets {

inline constexpr float kPi = 3.14159265f;
inline constexpr Rgba kP1 = Hex(0xff6a3a);   // player one's colour
inline constexpr Rgba kP2 = Hex(0x3aa8ff);   // player two's colour
inline constexpr Rgba kGold = Hex(0xf4c030), kGoldDark = Hex(0xa86a10), kGoldLight = Hex(0xfff0a0);
inline constexpr Rgba kPanel = Hex(0x23203a);

// A 4-point star of arm length r with a white core.
void Sparkle(Canvas& c, float x, float y, float r, Rgba col);
// A bevelled panel with a gold rim, filled with a gentle gradient of fill.
void Panel(Canvas& c, int x, int y, int w, int h, Rgba fill = kPanel);
// Big lettering in the display face at scale: gradient fill, drop shadow, outline; centred in w x h.
Canvas Lettering(const std::string& text, int scale, Rgba top, Rgba bottom, int w, int h);

}  // namespace zelka::assets
