// The four worlds' walls, floors, traps and effects, plus the shared falling rock and
// darkness overlay.

#include <cmath>
#include <string>

#include "tools/assetgen/Art.h"

namespace zelka::assets {

namespace {

enum WallBit { kUpBit = 1, kDownBit = 2, kLeftBit = 4, kRightBit = 8 };
constexpr int kTile = 32;
constexpr int kFrontH = 10;   // height of a wall's front face when nothing continues below

struct Look {
    Rgba top, topDark, front, frontDark, mortar, edge;
    Rgba floor, floorAlt, seam, trail, accent, accent2, dust;
};

const Look& LookOf(int world)
{
    static const Look looks[] = {
        // The Lost Tombs: warm sandstone, dusty floor, turquoise and gold inlay.
        {Hex(0xdcaa62), Hex(0xc08c48), Hex(0xa8703a), Hex(0x8a5a2c), Hex(0x5e3a1e), Hex(0x2a1808),
         Hex(0x5c4232), Hex(0x68493a), Hex(0x3e2a1e), Hex(0x86664a), Hex(0x2e8c9a), Hex(0xf0c040), Hex(0xc8a878)},
        // The Frozen Labyrinth: pale ice blocks over deep blue.
        {Hex(0xeef8ff), Hex(0xc4e4f8), Hex(0x88c4ec), Hex(0x5e9ed4), Hex(0x3a70a8), Hex(0x12284a),
         Hex(0x2c4c7c), Hex(0x33588a), Hex(0x20386a), Hex(0x5c86bc), Hex(0xffffff), Hex(0xa8f0ff), Hex(0xf0f8ff)},
        // The Grand Gallery: marble cornices, crimson walls, parquet floor, gilt frames.
        {Hex(0xf2e8d2), Hex(0xd8c8a8), Hex(0xa8283a), Hex(0x841c2c), Hex(0xe0b040), Hex(0x2a0c14),
         Hex(0x8a5a34), Hex(0x7a4c2a), Hex(0x5a3418), Hex(0xa87a4c), Hex(0xe0b040), Hex(0x3a6a9a), Hex(0xe8dcc0)},
        // The Haunted Graveyard: mossy grey stone over dark soil.
        {Hex(0x8c968a), Hex(0x707a6e), Hex(0x5a6458), Hex(0x464e44), Hex(0x30362e), Hex(0x0e120e),
         Hex(0x2e2b26), Hex(0x35312a), Hex(0x201e1a), Hex(0x4a4338), Hex(0x5a8a3a), Hex(0x9ad06a), Hex(0x8a8a7a)},
    };
    return looks[world];
}

// Wall top texture per world: sandstone blocks, ice with glints, veined marble, cobbles.
Rgba TopPixel(const Look& l, int world, int x, int y)
{
    const float n = Hash01(x, y, 100 + world);
    Rgba c = n < 0.12f ? l.topDark : l.top;
    switch (world) {
    case 0: {
        const int row = y / 8;
        if (y % 8 == 0 || (x + (row % 2) * 8) % 16 == 0) c = Mix(l.top, l.topDark, 0.7f);
        break;
    }
    case 1:
        if ((x + y) % 13 == 0 || (x + y) % 13 == 2) c = Mix(c, kWhite, 0.7f);
        break;
    case 2: {
        const float vein = std::sin(x * 0.35f + std::sin(y * 0.2f) * 3 + y * 0.12f);
        if (std::fabs(vein) < 0.08f) c = Mix(l.top, Hex(0xa89890), 0.6f);
        break;
    }
    default: {
        const int cx = (x + (y / 8 % 2) * 4) / 8, cy = y / 8;
        const int lx = (x + (y / 8 % 2) * 4) % 8, ly = y % 8;
        if (lx == 0 || ly == 0) c = l.mortar;
        else if (lx == 1 || ly == 1) c = Shade(l.top, 1.1f);
        else c = Hash01(cx, cy, 55) < 0.3f ? l.topDark : c;
        if (Hash01(x / 3, y / 3, 77) < 0.12f) c = Mix(c, l.accent, 0.6f);
        break;
    }
    }
    return c;
}

// Wall front texture: courses of bricks with mortar.
Rgba FrontPixel(const Look& l, int world, int x, int y)
{
    if (world == 2) {   // gallery: plain crimson with a gilt rail
        if (y == 1) return l.mortar;
        return Hash01(x, y, 9) < 0.1f ? l.frontDark : l.front;
    }
    const int course = y / 5;
    const int off = (course % 2) * 8;
    const bool mortar = y % 5 == 4 || (x + off) % 16 == 0;
    if (mortar) return l.mortar;
    return Hash01(x, y, 200 + world) < 0.2f ? l.frontDark : l.front;
}

void WallPiece(Canvas& c, int ox, int world, int mask)
{
    const Look& l = LookOf(world);
    const int x0 = mask & kLeftBit ? 0 : 2;
    const int x1 = mask & kRightBit ? kTile : kTile - 2;
    const int y0 = mask & kUpBit ? 0 : 2;
    const bool front = !(mask & kDownBit);
    const int topEnd = front ? kTile - kFrontH : kTile;
    for (int y = y0; y < topEnd; ++y)
        for (int x = x0; x < x1; ++x) c.Set(ox + x, y, TopPixel(l, world, ox + x, y));
    if (front)
        for (int y = topEnd; y < kTile; ++y)
            for (int x = x0; x < x1; ++x) c.Set(ox + x, y, FrontPixel(l, world, x, y - topEnd));
    // Rims: a light lip where the top ends, darker sides, a dark outline on open edges.
    if (front) c.Rect(ox + x0, topEnd - 1, x1 - x0, 1, Shade(l.top, 1.15f));
    if (!(mask & kUpBit)) c.Rect(ox + x0, y0, x1 - x0, 1, Shade(l.top, 1.2f));
    if (!(mask & kLeftBit)) c.Rect(ox + x0, y0, 1, kTile - y0, Shade(l.topDark, 0.9f));
    if (!(mask & kRightBit)) c.Rect(ox + x1 - 1, y0, 1, kTile - y0, Shade(l.frontDark, 0.85f));
    if (!(mask & kUpBit)) c.Rect(ox + x0, y0 - 1 + 1 - 1, x1 - x0, 1, l.edge);
    if (!(mask & kLeftBit)) c.Rect(ox + x0 - 1, y0, 1, kTile - y0, l.edge);
    if (!(mask & kRightBit)) c.Rect(ox + x1, y0, 1, kTile - y0, l.edge);
    if (front) c.Rect(ox + x0, kTile - 1, x1 - x0, 1, l.edge);
}

// Decorations on the front of horizontal variants 16-19.
void Decorate(Canvas& c, int ox, int world, int variant)
{
    const Look& l = LookOf(world);
    const int fy = kTile - kFrontH;
    switch (world * 4 + variant) {
    case 0:   // eye glyph
        c.Ellipse(ox + 16, fy + 5, 5, 2.5f, l.accent);
        c.Ellipse(ox + 16, fy + 5, 1.5f, 1.5f, l.edge);
        c.Rect(ox + 13, fy + 8, 1, 2, l.accent);
        break;
    case 1:   // torch
        c.Rect(ox + 15, fy + 3, 2, 6, Hex(0x5a3418));
        c.Ellipse(ox + 16, fy + 1, 2.5f, 3.5f, Hex(0xffa030));
        c.Ellipse(ox + 16, fy + 2, 1.2f, 2, Hex(0xfff0a0));
        break;
    case 2:   // cracked course
        c.Line(ox + 8, fy + 1, ox + 12, fy + 5, l.edge);
        c.Line(ox + 12, fy + 5, ox + 10, fy + 9, l.edge);
        c.Line(ox + 12, fy + 5, ox + 17, fy + 6, l.edge);
        break;
    case 3:   // scarab
        c.Ellipse(ox + 16, fy + 5, 3, 3.5f, l.accent2);
        c.Line(ox + 16, fy + 2, ox + 16, fy + 8, l.edge);
        c.Rect(ox + 12, fy + 4, 2, 1, l.accent2);
        c.Rect(ox + 19, fy + 4, 2, 1, l.accent2);
        break;
    case 4:   // icicles
        for (int i = 0; i < 5; ++i) c.Polygon({{float(ox + 4 + i * 6), float(kTile - 1)}, {float(ox + 8 + i * 6), float(kTile - 1)}, {float(ox + 6 + i * 6), float(kTile + 0)}}, kWhite);
        for (int i = 0; i < 5; ++i) c.Rect(ox + 5 + i * 6, fy + 2, 2, 4 + (i % 2) * 3, Hex(0xe8f8ff));
        break;
    case 5:   // frozen crystal
        c.Polygon({{float(ox + 16), float(fy)}, {float(ox + 20), float(fy + 5)}, {float(ox + 16), float(fy + 10)}, {float(ox + 12), float(fy + 5)}}, l.accent2);
        c.Line(ox + 16, fy + 1, ox + 16, fy + 8, kWhite);
        break;
    case 6:   // crack in the ice
        c.Line(ox + 6, fy + 2, ox + 14, fy + 6, l.mortar);
        c.Line(ox + 14, fy + 6, ox + 24, fy + 3, l.mortar);
        c.Line(ox + 14, fy + 6, ox + 16, fy + 9, l.mortar);
        break;
    case 7:   // snow heap on top
        c.Ellipse(ox + 16, 12, 10, 5, kWhite);
        c.Ellipse(ox + 12, 11, 5, 3, Hex(0xf4fbff));
        break;
    case 8:   // framed painting: a landscape
        c.Rect(ox + 7, fy - 6, 18, 14, l.mortar);
        c.Rect(ox + 9, fy - 4, 14, 10, Hex(0x6ab0e0));
        c.Rect(ox + 9, fy + 2, 14, 4, Hex(0x4a8a3a));
        c.Ellipse(ox + 19, fy - 2, 2, 2, Hex(0xfff080));
        c.Frame(ox + 6, fy - 7, 20, 16, l.edge);
        break;
    case 9:   // small portrait
        c.Ellipse(ox + 16, fy + 1, 6, 7, l.mortar);
        c.Ellipse(ox + 16, fy + 1, 4.5f, 5.5f, Hex(0x2a3a5a));
        c.Ellipse(ox + 16, fy, 2, 2.2f, Hex(0xf0c8a0));
        c.Rect(ox + 13, fy + 3, 7, 3, Hex(0x8a2a3a));
        break;
    case 10:  // candle sconce
        c.Rect(ox + 13, fy + 6, 7, 2, l.mortar);
        c.Rect(ox + 15, fy + 1, 3, 5, Hex(0xfff4e0));
        c.Ellipse(ox + 16.5f, fy - 1, 1.5f, 2.5f, Hex(0xffb030));
        break;
    case 11:  // hanging banner
        c.Rect(ox + 10, fy - 8, 12, 14, l.accent2);
        c.Polygon({{float(ox + 10), float(fy + 6)}, {float(ox + 22), float(fy + 6)}, {float(ox + 16), float(fy + 9)}}, l.accent2);
        c.Rect(ox + 10, fy - 8, 12, 2, l.mortar);
        c.Ellipse(ox + 16, fy - 1, 3, 3, l.mortar);
        break;
    case 12:  // vines
        for (int i = 0; i < 4; ++i) {
            const int vx = ox + 5 + i * 7;
            c.Line(vx, fy - 3, vx + (i % 2), fy + 6 + i % 3, l.accent);
            c.Set(vx - 1, fy + 2, l.accent2);
            c.Set(vx + 1, fy + 4, l.accent2);
        }
        break;
    case 13:  // skull niche
        c.Rect(ox + 11, fy + 1, 10, 8, l.edge);
        c.Ellipse(ox + 16, fy + 4, 3.5f, 3, Hex(0xe8e4d0));
        c.Rect(ox + 14, fy + 6, 5, 2, Hex(0xe8e4d0));
        c.Set(ox + 15, fy + 4, l.edge);
        c.Set(ox + 17, fy + 4, l.edge);
        break;
    case 14:  // crack with weeds
        c.Line(ox + 10, fy, ox + 14, fy + 5, l.edge);
        c.Line(ox + 14, fy + 5, ox + 12, fy + 9, l.edge);
        c.Line(ox + 18, fy + 9, ox + 19, fy + 5, l.accent);
        c.Line(ox + 20, fy + 9, ox + 22, fy + 6, l.accent2);
        break;
    case 15:  // iron lantern with a ghostly glow
        c.Ellipse(ox + 16, fy + 3, 5, 5, Hex(0x9ad06a, 90));
        c.Rect(ox + 14, fy, 5, 6, Hex(0x2a2a2a));
        c.Rect(ox + 15, fy + 1, 3, 4, Hex(0xc8f08a));
        c.Rect(ox + 15, fy - 2, 3, 2, Hex(0x2a2a2a));
        break;
    default:
        break;
    }
}

Canvas MazeSet(int world)
{
    Canvas c(20 * kTile, kTile);
    for (int mask = 0; mask < 16; ++mask) WallPiece(c, mask * kTile, world, mask);
    for (int v = 0; v < 4; ++v) {
        WallPiece(c, (16 + v) * kTile, world, kLeftBit | kRightBit);
        Decorate(c, (16 + v) * kTile, world, v);
    }
    return c;
}

Rgba FloorPixel(const Look& l, int world, int x, int y)
{
    const float n = Hash01(x, y, 300 + world);
    switch (world) {
    case 0: {   // flagstones
        if (x % 16 == 0 || (y + (x / 16) * 8) % 16 == 0) return l.seam;
        return n < 0.12f ? l.floorAlt : (n > 0.93f ? Shade(l.floor, 1.08f) : l.floor);
    }
    case 1: {   // ice sheet with diagonal glints
        if ((x + y) % 23 == 0 && n < 0.7f) return Shade(l.floor, 1.15f);
        return n < 0.1f ? l.floorAlt : l.floor;
    }
    case 2: {   // parquet: blocks of planks alternating direction
        const bool vertical = ((x / 16) + (y / 16)) % 2 == 0;
        const int along = vertical ? x % 16 : y % 16;
        if (along % 4 == 0) return l.seam;
        const int plank = vertical ? x / 4 : y / 4;
        return Hash01(plank, (vertical ? y : x) / 16, 311) < 0.5f ? l.floor : l.floorAlt;
    }
    default: {  // soil and grass tufts
        if (Hash01(x / 2, y / 2, 333) < 0.06f) return l.accent;
        return n < 0.2f ? l.floorAlt : (n > 0.95f ? l.seam : l.floor);
    }
    }
}

void FloorBase(Canvas& c, int ox, int world)
{
    const Look& l = LookOf(world);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) c.Set(ox + x, y, FloorPixel(l, world, x, y));
}

// A worn path from the tile centre toward each side in the mask.
void Trail(Canvas& c, int ox, int world, int mask)
{
    const Look& l = LookOf(world);
    auto worn = [&](int x, int y, int w, int h) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) {
                const Rgba p = c.Get(ox + i, j);
                c.Set(ox + i, j, Mix(p, l.trail, Hash01(i, j, 400 + world) < 0.8f ? 0.55f : 0.3f));
            }
    };
    if (mask == 0) return;
    worn(11, 11, 10, 10);
    if (mask & kUpBit) worn(11, 0, 10, 11);
    if (mask & kDownBit) worn(11, 21, 10, 11);
    if (mask & kLeftBit) worn(0, 11, 11, 10);
    if (mask & kRightBit) worn(21, 11, 11, 10);
}

void Rubble(Canvas& c, int ox, int world)
{
    const Look& l = LookOf(world);
    const int stones[][3] = {{8, 9, 4}, {20, 7, 3}, {14, 18, 5}, {24, 22, 3}, {6, 24, 3}, {22, 14, 2}};
    for (const auto& s : stones) {
        c.Ellipse(float(ox + s[0]), float(s[1] + 1), float(s[2]), float(s[2]) * 0.7f, Shade(l.seam, 0.8f));
        c.Ellipse(float(ox + s[0]), float(s[1]), float(s[2]), float(s[2]) * 0.7f, l.frontDark);
        c.Ellipse(float(ox + s[0] - 1), float(s[1] - 1), float(s[2]) * 0.5f, float(s[2]) * 0.35f, l.front);
    }
}

void TrapFloor(Canvas& c, int ox, int world)
{
    const Look& l = LookOf(world);
    c.Rect(ox + 3, 3, 26, 26, Shade(l.seam, 0.8f));
    c.Rect(ox + 5, 5, 22, 22, Shade(l.floor, 0.85f));
    c.Frame(ox + 5, 5, 22, 22, Shade(l.floor, 1.2f));
    for (int i = 0; i < 4; ++i) c.Rect(ox + 8 + i * 5, 14, 3, 4, l.seam);
    c.Set(ox + 4, 4, l.accent);
    c.Set(ox + 27, 4, l.accent);
    c.Set(ox + 4, 27, l.accent);
    c.Set(ox + 27, 27, l.accent);
}

void UnderRock(Canvas& c, int ox, int world)
{
    const Look& l = LookOf(world);
    c.Ellipse(float(ox + 16), 17, 13, 11, Shade(l.seam, 0.9f));
    c.Ellipse(float(ox + 16), 16, 11, 9, Shade(l.floor, 0.75f));
    c.Line(ox + 4, 8, ox + 10, 12, l.seam);
    c.Line(ox + 27, 6, ox + 22, 11, l.seam);
    c.Line(ox + 26, 27, ox + 21, 22, l.seam);
    c.Line(ox + 5, 26, ox + 10, 22, l.seam);
}

Canvas FloorSet(int world)
{
    Canvas c(19 * kTile, kTile);
    for (int t = 0; t < 19; ++t) FloorBase(c, t * kTile, world);
    for (int mask = 0; mask < 16; ++mask) Trail(c, mask * kTile, world, mask);
    Rubble(c, 16 * kTile, world);
    TrapFloor(c, 17 * kTile, world);
    UnderRock(c, 18 * kTile, world);
    return c;
}

// A block 28 px wide whose top face stands `lift` px above the floor plate.
void Block(Canvas& c, int ox, int world, int lift)
{
    const Look& l = LookOf(world);
    const int baseY = 16 + 2;   // the floor tile occupies rows 16-47
    c.Rect(ox + 2, baseY + 26, 28, 2, Shade(l.seam, 0.7f));
    const int topY = baseY + 16 - lift;
    const int frontH = 10 + lift;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 28; ++x) c.Set(ox + 2 + x, topY + y, TopPixel(l, world, x, y));
    for (int y = 0; y < frontH; ++y)
        for (int x = 0; x < 28; ++x) c.Set(ox + 2 + x, topY + 18 + y, FrontPixel(l, world, x, y));
    c.Rect(ox + 2, topY + 17, 28, 1, Shade(l.top, 1.15f));
    c.Frame(ox + 8, topY + 5, 16, 8, Shade(l.topDark, 0.85f));
    c.Rect(ox + 14, topY + 8, 4, 2, l.accent);
    Canvas tmp = c.Crop(ox, 0, 32, 48);
    tmp.Outline(l.edge);
    c.Rect(ox, 0, 32, 48, kClear);
    c.Draw(tmp, ox, 0);
}

Canvas BlockTrap(int world)
{
    Canvas c(64, 48);
    // 0: sunk, only its top plate shows, flush with the floor.
    const Look& l = LookOf(world);
    c.Rect(2, 18, 28, 28, Shade(l.seam, 0.8f));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) c.Set(4 + x, 20 + y, Shade(TopPixel(l, world, x, y), 0.8f));
    c.Frame(10, 28, 12, 8, Shade(l.topDark, 0.6f));
    c.Rect(14, 31, 4, 2, l.accent);
    // 1: raised a full 16 px.
    Block(c, 32, world, 16);
    return c;
}

Canvas WallBreak(int world)
{
    const Look& l = LookOf(world);
    Canvas c(5 * 48, 48);
    for (int f = 0; f < 5; ++f) {
        const int ox = f * 48;
        const float t = f / 4.0f;
        if (f == 0) {
            Canvas piece(32, 32);
            WallPiece(piece, 0, world, 0);
            piece.Line(6, 4, 14, 14, l.edge);
            piece.Line(14, 14, 24, 10, l.edge);
            piece.Line(14, 14, 12, 26, l.edge);
            c.Draw(piece, ox + 8, 8);
            continue;
        }
        // Chunks thrown outward on fixed headings, shrinking as they fly.
        for (int k = 0; k < 9; ++k) {
            const float ang = k * 0.7f + 0.3f;
            const float dist = 4 + t * 20 * (0.6f + Hash01(k, 0, 500) * 0.6f);
            const float x = 24 + std::cos(ang) * dist;
            const float y = 24 + std::sin(ang) * dist * 0.8f - (1 - t) * 4 + t * t * 8;
            const float r = (4.5f - k % 3) * (1.1f - t * 0.6f);
            c.Ellipse(float(ox) + x, y + 1, r, r * 0.8f, l.edge);
            c.Ellipse(float(ox) + x, y, r, r * 0.8f, k % 2 ? l.front : l.top);
        }
        const int puffs = 6;
        for (int k = 0; k < puffs; ++k) {
            const float ang = k * 1.05f;
            c.Ellipse(float(ox) + 24 + std::cos(ang) * 10 * t, 26 + std::sin(ang) * 7 * t, 7 * (1 - t * 0.5f),
                      6 * (1 - t * 0.5f), WithAlpha(l.dust, int(170 * (1 - t))));
        }
    }
    return c;
}

Canvas Dust(int world)
{
    const Look& l = LookOf(world);
    Canvas c(12, 12);
    c.Ellipse(6, 6.5f, 5.5f, 5, WithAlpha(l.dust, 150));
    c.Ellipse(5, 5, 3.5f, 3, WithAlpha(Shade(l.dust, 1.2f), 200));
    return c;
}

Canvas LightMap()
{
    Canvas c(6 * kTile, kTile);
    const int alpha[6] = {245, 205, 160, 110, 55, 0};
    // 4x4 ordered dither between neighbouring levels gives soft pixel-art edges.
    const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int t = 0; t < 6; ++t)
        for (int y = 0; y < kTile; ++y)
            for (int x = 0; x < kTile; ++x) {
                const int a = alpha[t] - (t < 5 && bayer[y % 4][x % 4] < 4 ? 12 : 0);
                if (a > 0) c.Set(t * kTile + x, y, Hex(0x06040e, uint8_t(std::max(a, 0))));
            }
    return c;
}

Canvas FallingRock()
{
    Canvas c(8 * 32, 96);
    const int rockY[8] = {6, 20, 36, 52, 66, 70, 70, 70};   // top of the rock in each frame
    const Rgba rock = Hex(0x8a7a6a), rockDark = Hex(0x5e5044), rockLight = Hex(0xb4a490);
    for (int f = 0; f < 8; ++f) {
        const int ox = f * 32;
        // Shadow on the target tile grows as the rock nears.
        const float s = f < 5 ? 0.3f + 0.14f * f : 1.0f;
        c.Ellipse(float(ox + 16), 88, 12 * s, 4 * s, Hex(0x000000, 110));
        const int y = rockY[f];
        Canvas r(32, 96);
        r.Ellipse(16, float(y + 11), 12, 10, rock);
        r.Ellipse(13, float(y + 8), 6, 4, rockLight);
        r.Ellipse(20, float(y + 15), 6, 3, rockDark);
        r.Line(10, y + 12, 15, y + 15, rockDark);
        r.Outline(kInk);
        c.Draw(r, ox, 0);
        if (f >= 5) {   // impact dust
            const float t = (f - 5) / 2.0f;
            for (int k = 0; k < 5; ++k) {
                const float ang = 3.1416f + k * 0.78f;
                c.Ellipse(ox + 16 + std::cos(ang) * (10 + 6 * t), 86 + std::sin(ang) * (3 + 3 * t), 4.5f - t * 2, 3.5f - t,
                          Hex(0xc8b8a0, uint8_t(200 - 70 * t)));
            }
        }
    }
    return c;
}

}  // namespace

Canvas WorldArt(const std::string& path)
{
    if (path == "lightmap.imx") return LightMap();
    if (path == "fallingrock.imx") return FallingRock();
    for (int w = 0; w < 4; ++w) {
        const std::string dir = "worlds/world" + std::to_string(w) + "/";
        if (path.rfind(dir, 0) != 0) continue;
        const std::string f = path.substr(dir.size());
        if (f == "mazeset.imx") return MazeSet(w);
        if (f == "floorset.imx") return FloorSet(w);
        if (f == "blocktrap.imx") return BlockTrap(w);
        if (f == "wallbreak.imx") return WallBreak(w);
        if (f == "dust.imx") return Dust(w);
    }
    return {};
}

}  // namespace zelka::assets
