#pragma once

// The two pixel fonts of the game, as glyph designs, plus the page and description
// builders and a text renderer the art code uses for lettering.

#include <string>
#include <vector>

#include "tools/assetgen/Canvas.h"

namespace zelka::assets {

enum class FontFace {
    Block8,    // the bold 8x8 monospace design
    Display,   // the proportional heavy display design (5x7 with descenders)
};

// Codes of the four arrow glyphs the key-name texts use: up, left, down, right.
inline constexpr int kArrowUp = 0x2020;
inline constexpr int kArrowLeft = 0x2039;
inline constexpr int kArrowDown = 0x2021;
inline constexpr int kArrowRight = 0x203A;

// Every glyph code either font defines, ascending: 32-126 and the four arrows.
std::vector<int> FontCodes();

// The glyph at design size, white ink on clear. Display glyphs are trimmed to their ink
// width (space has width 3); Block8 glyphs are 8x8. 9 rows tall for Display.
Canvas GlyphImage(FontFace face, int code);

struct BuiltFont {
    Canvas page;
    std::string description;   // the .fnt text
};

BuiltFont BuildStdFont();   // press_start_k: Block8 at 3x
BuiltFont BuildSecFont();   // upheaval: Display at 2x, emboldened

// Draws text at (x, y) (top-left), every design pixel as scale x scale pixels, in colour c.
// Returns the width drawn. bold adds one extra pixel column to the right of each stroke.
int DrawText(Canvas& dst, FontFace face, const std::string& text, int x, int y, int scale, Rgba c,
             bool bold = false);
int TextWidth(FontFace face, const std::string& text, int scale, bool bold = false);

}  // namespace zelka::assets
