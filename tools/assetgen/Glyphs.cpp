#include "tools/assetgen/Glyphs.h"

#include <algorithm>
#include <cassert>
#include <map>
#include <sstream>

#include "tools/assetgen/GlyphData.h"
#include "tools/assetgen/Manifest.h"

namespace zelka::assets {

namespace {

constexpr int kStdScale = 3;          // 8x8 design drawn as 24x24
constexpr int kStdCell = 8 * kStdScale;
constexpr int kStdPageW = 512, kStdPageH = 256;
constexpr int kStdLineHeight = kStdFontLineHeight, kStdBase = 24, kStdYOffset = 2;

constexpr int kSecScale = 2;          // 5x7 design drawn 14 px tall, plus 1-px emboldening
constexpr int kSecRows = 9;           // 7 cap rows + 2 descender rows
constexpr int kSecPageW = 256, kSecPageH = 128;
constexpr int kSecLineHeight = kSecFontMaxLineHeight, kSecBase = 17, kSecYOffset = 3;
constexpr int kSecSpaceAdvance = 8;

constexpr int kGlyphGap = 1;          // clear pixels between glyph rectangles on a page

const GlyphDesign* FindDesign(FontFace face, int code)
{
    static std::map<int, const GlyphDesign*> block, display;
    auto& cache = face == FontFace::Block8 ? block : display;
    if (cache.empty()) {
        for (const GlyphDesign& g : face == FontFace::Block8 ? Block8Designs() : DisplayDesigns()) cache[g.code] = &g;
    }
    auto it = cache.find(code);
    return it == cache.end() ? nullptr : it->second;
}

// Pixel-doubles a glyph and, for bold, sets one more pixel to the right of every ink pixel.
Canvas Enlarge(const Canvas& g, int scale, bool bold)
{
    Canvas big = g.Scaled(scale);
    if (!bold) return big;
    Canvas out(big.W() + 1, big.H());
    out.Draw(big, 0, 0);
    out.Draw(big, 1, 0);
    return out;
}

std::string CharLine(int id, int x, int y, int w, int h, int xoff, int yoff, int adv)
{
    std::ostringstream s;
    s << "char id=" << id << " x=" << x << " y=" << y << " width=" << w << " height=" << h << " xoffset=" << xoff
      << " yoffset=" << yoff << " xadvance=" << adv << " page=0\n";
    return s.str();
}

}  // namespace

std::vector<int> FontCodes()
{
    std::vector<int> codes;
    for (int c = 32; c <= 126; ++c) codes.push_back(c);
    for (int c : {kArrowUp, kArrowLeft, kArrowDown, kArrowRight}) codes.push_back(c);
    return codes;
}

Canvas GlyphImage(FontFace face, int code)
{
    const GlyphDesign* d = FindDesign(face, code);
    if (face == FontFace::Block8) {
        Canvas g(8, 8);
        if (!d) return g;
        for (size_t y = 0; y < d->rows.size() && y < 8; ++y)
            for (size_t x = 0; x < d->rows[y].size() && x < 8; ++x)
                if (d->rows[y][x] == '#') g.Set(int(x), int(y), kWhite);
        return g;
    }
    int minX = 1 << 20, maxX = -1;
    if (d)
        for (const std::string& row : d->rows)
            for (size_t x = 0; x < row.size(); ++x)
                if (row[x] == '#') { minX = std::min(minX, int(x)); maxX = std::max(maxX, int(x)); }
    if (maxX < 0) return Canvas(3, kSecRows);
    Canvas g(maxX - minX + 1, kSecRows);
    for (size_t y = 0; y < d->rows.size() && y < size_t(kSecRows); ++y)
        for (size_t x = 0; x < d->rows[y].size(); ++x)
            if (d->rows[y][x] == '#') g.Set(int(x) - minX, int(y), kWhite);
    return g;
}

BuiltFont BuildStdFont()
{
    BuiltFont f{Canvas(kStdPageW, kStdPageH), {}};
    const std::vector<int> codes = FontCodes();
    std::ostringstream s;
    s << "info face=press_start_k size=" << kStdCell << "\n";
    s << "common lineHeight=" << kStdLineHeight << " base=" << kStdBase << " scaleW=" << kStdPageW
      << " scaleH=" << kStdPageH << " pages=1\n";
    s << "page id=0 file=\"press_start_k_0.png\"\n";
    s << "chars count=" << codes.size() << "\n";
    const int perRow = kStdPageW / (kStdCell + kGlyphGap);
    int slot = 0;
    for (int code : codes) {
        if (code == ' ') {
            s << CharLine(code, 0, 0, 0, 0, 0, 0, kStdCell);
            continue;
        }
        const int x = (slot % perRow) * (kStdCell + kGlyphGap);
        const int y = (slot / perRow) * (kStdCell + kGlyphGap);
        ++slot;
        f.page.Draw(Enlarge(GlyphImage(FontFace::Block8, code), kStdScale, false), x, y);
        s << CharLine(code, x, y, kStdCell, kStdCell, 0, kStdYOffset, kStdCell);
    }
    s << "kernings count=0\n";
    f.description = s.str();
    return f;
}

BuiltFont BuildSecFont()
{
    BuiltFont f{Canvas(kSecPageW, kSecPageH), {}};
    const std::vector<int> codes = FontCodes();
    std::ostringstream s;
    s << "info face=upheaval size=" << kSecRows * kSecScale << "\n";
    s << "common lineHeight=" << kSecLineHeight << " base=" << kSecBase << " scaleW=" << kSecPageW
      << " scaleH=" << kSecPageH << " pages=1\n";
    s << "page id=0 file=\"upheaval_0.png\"\n";
    s << "chars count=" << codes.size() << "\n";
    const int rowH = kSecRows * kSecScale;
    int x = 0, y = 0;
    for (int code : codes) {
        if (code == ' ') {
            s << CharLine(code, 0, 0, 0, 0, 0, 0, kSecSpaceAdvance);
            continue;
        }
        const Canvas g = Enlarge(GlyphImage(FontFace::Display, code), kSecScale, true);
        if (x + g.W() > kSecPageW) { x = 0; y += rowH + kGlyphGap; }
        assert(y + rowH <= kSecPageH);
        f.page.Draw(g, x, y);
        s << CharLine(code, x, y, g.W(), g.H(), 0, kSecYOffset, g.W() + 1);
        x += g.W() + kGlyphGap;
    }
    s << "kernings count=0\n";
    f.description = s.str();
    return f;
}

int DrawText(Canvas& dst, FontFace face, const std::string& text, int x, int y, int scale, Rgba c, bool bold)
{
    int pen = x;
    for (unsigned char ch : text) {
        Canvas g = GlyphImage(face, ch);
        Canvas big = Enlarge(g, scale, bold);
        big.Tint(c);
        dst.Draw(big, pen, y);
        if (face == FontFace::Block8) pen += 8 * scale;
        else pen += ch == ' ' ? 4 * scale : (g.W() + 1) * scale + (bold ? 1 : 0);
    }
    return pen - x;
}

int TextWidth(FontFace face, const std::string& text, int scale, bool bold)
{
    Canvas scratch(1, 1);
    return DrawText(scratch, face, text, -100000, 0, scale, kWhite, bold);
}

}  // namespace zelka::assets
