// Pick-ups, inventory icons and the small effect sprites of the match.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/Art.h"

namespace zelka::assets {

namespace {

constexpr float kPi = 3.14159265f;

// A 4-point sparkle centred at (x, y) with arm length r.
void Sparkle(Canvas& c, float x, float y, float r, Rgba col)
{
    if (r < 0.5f) return;
    c.ThickLine(x - r, y, x + r, y, std::max(1.0f, r / 3), col);
    c.ThickLine(x, y - r, x, y + r, std::max(1.0f, r / 3), col);
    c.Ellipse(x, y, std::max(0.8f, r / 3), std::max(0.8f, r / 3), kWhite);
}

// A cut gem; spin 0..1 slides the facet highlight across.
Canvas Gem(float spin, float scale = 1.0f)
{
    Canvas c(32, 32);
    const Rgba base = Hex(0x30d0a0), dark = Hex(0x16866a), light = Hex(0xa8ffe0);
    const float s = scale;
    auto P = [&](float x, float y) { return std::pair<float, float>(16 + (x - 16) * s, 17 + (y - 17) * s); };
    c.Polygon({P(9, 12), P(13, 7), P(19, 7), P(23, 12), P(16, 26)}, base);
    c.Polygon({P(9, 12), P(23, 12), P(16, 26)}, dark);
    c.Polygon({P(12, 12), P(20, 12), P(16, 24)}, base);
    const float hx = 10 + spin * 12;
    c.Polygon({P(hx, 8), P(hx + 3, 8), P(hx + 1, 12), P(hx - 2, 12)}, light);
    c.Outline(kInk);
    return c;
}

// The chest body at a pop-in scale sx, sy (1 = full), on the tile bottom.
Canvas Chest(float sx, float sy, bool festive, bool stripeOnly)
{
    Canvas c(32, 32);
    const Rgba wood = festive ? Hex(0xc8283c) : Hex(0x9a5a2a);
    const Rgba woodDark = festive ? Hex(0x8a1428) : Hex(0x6a3818);
    const Rgba band = festive ? Hex(0x2a9a4a) : Hex(0xd8a840);
    const float w = 22 * sx, h = 18 * sy;
    const float x0 = 16 - w / 2, y1 = 28, y0 = y1 - h;
    const float lidH = h * 0.42f;
    if (stripeOnly) {
        // The category band across the lid: white, tinted by the game.
        c.Rect(int(x0 + 1), int(y0 + lidH - 3 * sy), int(w - 2), std::max(2, int(3 * sy)), kWhite);
        c.Outline(kInk);
        return c;
    }
    c.Rect(int(x0), int(y0 + lidH), int(w), int(h - lidH), wood);
    c.Rect(int(x0), int(y0 + 1), int(w), int(lidH), Shade(wood, 1.1f));
    c.Rect(int(x0 + 1), int(y0), int(w - 2), 1, Shade(wood, 1.1f));
    c.Rect(int(x0), int(y0 + lidH - 1), int(w), 1, woodDark);
    c.Rect(int(x0 + 3 * sx), int(y0), std::max(1, int(3 * sx)), int(h), band);
    c.Rect(int(x0 + w - 6 * sx), int(y0), std::max(1, int(3 * sx)), int(h), band);
    c.Rect(int(16 - 2 * sx), int(y0 + lidH - 2 * sy), std::max(2, int(4 * sx)), std::max(2, int(5 * sy)), Hex(0xf8e070));
    if (festive) {   // a bow on top
        c.Ellipse(16 - 4 * sx, y0 - 1, 3.5f * sx, 2.5f * sy, Hex(0x2a9a4a));
        c.Ellipse(16 + 4 * sx, y0 - 1, 3.5f * sx, 2.5f * sy, Hex(0x2a9a4a));
        c.Ellipse(16, y0, 1.8f * sx, 1.8f * sy, Hex(0xf8e070));
    }
    c.Rect(int(x0), int(y1 - 2), int(w), 2, woodDark);
    c.Outline(kInk);
    return c;
}

// Pop-in shapes of the chest animation frames 0-5 (tiles 5-10 and 46-51, 52-63).
const float kChestSx[6] = {0.4f, 0.8f, 1.15f, 1.0f, 1.0f, 1.04f};
const float kChestSy[6] = {0.4f, 1.2f, 0.85f, 1.0f, 1.0f, 0.96f};

Canvas Treasure(float lift, float fade, float sparkle)
{
    Canvas c(32, 32);
    const int y = int(-lift);
    const Rgba gold = Hex(0xf4c030), goldDark = Hex(0xb07818), goldLight = Hex(0xfff0a0);
    Canvas t(32, 32);
    // A heap of coins with a crown on top.
    for (int i = 0; i < 5; ++i) t.Ellipse(8 + i * 4.0f, 26, 4, 2.5f, i % 2 ? goldDark : gold);
    t.Ellipse(16, 22, 9, 5, gold);
    t.Ellipse(14, 20, 4, 2, goldLight);
    t.Polygon({{9, 18}, {11, 10}, {14, 15}, {16, 8}, {18, 15}, {21, 10}, {23, 18}}, gold);
    t.Rect(9, 16, 15, 3, goldDark);
    t.Ellipse(16, 17.5f, 1.5f, 1.5f, Hex(0xe83040));
    t.Set(11, 10, goldLight);
    t.Set(16, 8, goldLight);
    t.Set(21, 10, goldLight);
    t.Outline(kInk);
    if (fade < 1) t.MultiplyAlpha(fade);
    c.Draw(t, 0, y);
    if (sparkle > 0) {
        Sparkle(c, 7, 8 + y / 2.0f, 3 * sparkle, Hex(0xfff8c0));
        Sparkle(c, 25, 12 + y / 2.0f, 2.5f * sparkle, Hex(0xfff8c0));
    }
    return c;
}

Canvas Glint(int f)
{
    Canvas c(32, 32);
    const float t = f / 5.0f;
    Sparkle(c, 8 + t * 16, 10 + t * 6, 4.5f * std::sin((t * 0.9f + 0.05f) * kPi), Hex(0xfffde0));
    return c;
}

Canvas Items()
{
    Canvas c(256, 256);
    auto put = [&](int tile, const Canvas& img) { c.Draw(img, (tile % 8) * 32, (tile / 8) * 32); };
    for (int i = 0; i < 4; ++i) {
        Canvas g = Gem(i / 3.0f);
        if (i == 2) Sparkle(g, 22, 9, 2.5f, kWhite);
        put(i, g);
    }
    for (int i = 0; i < 6; ++i) {
        put(5 + i, Chest(kChestSx[i], kChestSy[i], false, false));
        put(46 + i, Chest(kChestSx[i], kChestSy[i], false, true));
        put(52 + i, Chest(kChestSx[i], kChestSy[i], true, false));
        put(58 + i, Chest(kChestSx[i], kChestSy[i], true, true));
        put(40 + i, Glint(i));
    }
    put(14, Treasure(0, 1, 0));
    for (int i = 1; i < 20; ++i) {   // collect: rises, sparkles, fades out
        const float t = i / 19.0f;
        put(14 + i, Treasure(t * 18, t < 0.6f ? 1.0f : 1 - (t - 0.6f) / 0.4f, std::sin(t * kPi * 3) * 0.5f + 0.5f));
    }
    for (int i = 0; i < 6; ++i) {    // respawn: sparkles gather, the gem grows in
        Canvas g(32, 32);
        const float t = i / 5.0f;
        for (int k = 0; k < 4; ++k) {
            const float a = k * kPi / 2 + t * 2;
            Sparkle(g, 16 + std::cos(a) * 12 * (1 - t), 16 + std::sin(a) * 12 * (1 - t), 2.5f, Hex(0xa8ffe0));
        }
        if (i >= 2) g.Draw(Gem(0, 0.25f + 0.75f * (i - 2) / 3.0f), 0, 0);
        put(34 + i, g);
    }
    return c;
}

Canvas Idol(int f)
{
    Canvas c(32, 48);
    const Rgba gold = Hex(0xf2b428), dark = Hex(0xa86a10), light = Hex(0xfff0a0), deep = Hex(0x7a4a08);
    // Stone pedestal: a lit top slab over a block with a carved band.
    Canvas stone(32, 48);
    stone.Rect(5, 38, 22, 3, Hex(0x9a8a78));
    stone.Rect(5, 38, 22, 1, Hex(0xbaaa98));
    stone.Rect(7, 41, 18, 6, Hex(0x6a5a4a));
    stone.Rect(7, 43, 18, 1, Hex(0x54463a));
    for (int x = 9; x < 24; x += 4) stone.Set(x, 45, Hex(0x54463a));
    stone.Rect(24, 41, 1, 6, Hex(0x4a3e32));
    stone.Outline(kInk);
    c.Draw(stone, 0, 0);
    // The seated figure: crossed legs, a broad body with the hands together, a round head
    // under a fanned crown with a ruby.
    Canvas fig(32, 48);
    fig.Ellipse(16, 35, 10.5f, 3.8f, gold);                               // crossed legs
    fig.Polygon({{10, 22}, {22, 22}, {24.5f, 34}, {7.5f, 34}}, gold);    // body
    fig.Ellipse(16, 15, 7.5f, 7.5f, gold);                                // head
    fig.Rect(7, 13, 2, 5, gold);                                          // ears
    fig.Rect(23, 13, 2, 5, gold);
    fig.Polygon({{8, 11}, {8.5f, 4}, {12, 7.5f}, {16, 0.5f}, {20, 7.5f}, {23.5f, 4}, {24, 11}}, dark);   // crown
    fig.EdgeShade(0.72f, 1.22f);
    fig.Rect(9, 10, 14, 2, gold);                                         // crown band
    fig.Rect(15, 5, 2, 3, Hex(0xe03050));                                 // ruby
    fig.Set(15, 5, Hex(0xff90a0));
    fig.ThickLine(10.5f, 24, 15, 30, 2.2f, dark);                         // arms to the hands
    fig.ThickLine(21.5f, 24, 17, 30, 2.2f, dark);
    fig.Ellipse(16, 30.5f, 2.4f, 1.8f, gold);
    fig.Rect(12, 15, 2, 2, Hex(0x30c0e0));                                // jewel eyes
    fig.Rect(18, 15, 2, 2, Hex(0x30c0e0));
    fig.Set(12, 15, Hex(0xb0f4ff));
    fig.Set(18, 15, Hex(0xb0f4ff));
    fig.Rect(14, 19, 4, 1, deep);                                         // mouth
    fig.Rect(15, 17, 2, 1, dark);                                         // nose
    fig.Rect(12, 26, 8, 1, Shade(dark, 1.1f));                            // sash
    fig.Rect(10, 13, 1, 3, light);                                        // highlight on the cheek
    fig.Rect(9, 24, 1, 8, light);                                         // lit left edge of the body
    fig.Outline(kInk);
    c.Draw(fig, 0, 0);
    if (f > 0) {   // a glint sliding down the statue
        const float t = (f - 1) / 7.0f;
        Sparkle(c, 11 + t * 10, 6 + t * 28, 4 * std::sin((t * 0.9f + 0.05f) * kPi), Hex(0xfffde0));
    }
    return c;
}

Canvas IdolSheet()
{
    Canvas c(9 * 32, 48);
    for (int f = 0; f < 9; ++f) c.Draw(Idol(f), f * 32, 0);
    return c;
}

Canvas IdolLight()
{
    Canvas c(32, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 32; ++x) {
            const float dx = (x - 4) / 28.0f, dy = (y - 24) / 22.0f;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d < 1) c.Set(x, y, Hex(0xffd860, uint8_t(110 * (1 - d) * (1 - d))));
        }
    return c;
}

// Inventory icons: slot 0 empty, then items 0-8 in type order.
Canvas Icon(int slot)
{
    Canvas c(32, 32);
    switch (slot) {
    case 0:
        c.Frame(4, 4, 24, 24, Hex(0x5a5a78, 160));
        c.Rect(5, 5, 22, 22, Hex(0x202030, 90));
        return c;
    case 1:   // EPICKAXE: a glowing pickaxe
        c.Ellipse(16, 16, 13, 13, Hex(0xa060ff, 70));
        c.ThickLine(9, 26, 22, 9, 3, Hex(0x8a5a2a));
        c.Polygon({{6, 10}, {14, 4}, {24, 4}, {28, 10}, {22, 7}, {14, 7}}, Hex(0xc8a0ff));
        c.Polygon({{14, 4}, {24, 4}, {22, 7}, {14, 7}}, Hex(0x8a50e0));
        Sparkle(c, 25, 14, 2.5f, Hex(0xf0e0ff));
        break;
    case 2:   // TELEPORTER: a ringed device
        c.Rect(9, 20, 14, 7, Hex(0x5a6a8a));
        c.Rect(11, 18, 10, 2, Hex(0x8a9aba));
        c.EllipseRing(16, 12, 9, 6, 2, Hex(0x40e0ff));
        c.EllipseRing(16, 12, 5, 3, 1.5f, Hex(0xc0f8ff));
        c.Rect(15, 22, 2, 2, Hex(0x60ff90));
        break;
    case 3:   // SQUEAKY HAMMER: toy mallet
        c.ThickLine(12, 27, 18, 14, 3, Hex(0xf0d040));
        c.Polygon({{6, 10}, {20, 4}, {26, 14}, {12, 20}}, Hex(0xe83850));
        c.Polygon({{6, 10}, {9, 9}, {15, 19}, {12, 20}}, Hex(0xf8f0f0));
        c.Polygon({{20, 4}, {23, 3}, {29, 13}, {26, 14}}, Hex(0xf8f0f0));
        break;
    case 4:   // IT'S-A-TRAP: a spring-jawed trap
        c.Ellipse(16, 24, 12, 4, Hex(0x5a5a5a));
        for (int i = 0; i < 6; ++i) c.Polygon({{5.0f + i * 4, 22}, {7.0f + i * 4, 14}, {9.0f + i * 4, 22}}, Hex(0xc8c8d0));
        c.EllipseRing(16, 22, 12, 5, 2, Hex(0x8a8a94));
        c.Rect(14, 19, 4, 3, Hex(0xe84040));
        break;
    case 5:   // TURBO SNEAKERS: winged shoe
        c.Polygon({{5, 24}, {7, 14}, {15, 14}, {19, 19}, {27, 21}, {27, 26}, {5, 26}}, Hex(0xe84848));
        c.Rect(5, 24, 22, 3, kWhite);
        c.Line(10, 16, 14, 18, kWhite);
        c.Polygon({{8, 14}, {2, 6}, {10, 9}, {6, 4}, {13, 10}}, Hex(0xf8f8ff));
        c.Line(22, 10, 29, 10, Hex(0xffd040));
        c.Line(24, 14, 30, 14, Hex(0xffd040));
        break;
    case 6:   // THE BALL&CHAIN
        c.Ellipse(19, 19, 9, 9, Hex(0x3a3a44));
        c.Ellipse(16, 16, 3, 3, Hex(0x7a7a88));
        for (int i = 0; i < 3; ++i) c.EllipseRing(5.0f + i * 3.5f, 6.0f + i * 3.5f, 2.5f, 2.5f, 1, Hex(0xa0a0aa));
        break;
    case 7:   // HYPER HAND: a big glove
        c.Ellipse(16, 18, 9, 8, Hex(0xf8f8f8));
        for (int i = 0; i < 3; ++i) c.Ellipse(11.0f + i * 5, 9, 2.5f, 5, Hex(0xf8f8f8));
        c.Ellipse(6, 17, 3, 2.5f, Hex(0xf8f8f8));
        c.Rect(10, 24, 12, 4, Hex(0x3a8aff));
        c.Line(13, 13, 13, 19, Hex(0xc8c8d0));
        c.Line(18, 13, 18, 19, Hex(0xc8c8d0));
        break;
    case 8:   // MIGHTY SHOVEL
        c.ThickLine(8, 6, 18, 20, 3, Hex(0x8a5a2a));
        c.Rect(5, 4, 7, 3, Hex(0x8a5a2a));
        c.Polygon({{15, 18}, {22, 13}, {29, 22}, {26, 28}, {19, 27}}, Hex(0xb8c0cc));
        c.Polygon({{22, 13}, {29, 22}, {27, 23}, {21, 15}}, Hex(0xe8f0f8));
        break;
    case 9:   // ICE WAND
        c.ThickLine(7, 27, 19, 12, 3, Hex(0x6a4aa0));
        c.Polygon({{19, 4}, {23, 9}, {28, 10}, {24, 14}, {25, 19}, {20, 16}, {16, 18}, {17, 13}, {13, 9}, {18, 9}},
                  Hex(0xa8f0ff));
        c.Ellipse(20.5f, 11.5f, 2.5f, 2.5f, kWhite);
        Sparkle(c, 8, 8, 2.5f, Hex(0xd8f8ff));
        break;
    default:
        break;
    }
    c.Outline(kInk);
    return c;
}

Canvas ItemIcons()
{
    Canvas c(320, 32);
    for (int i = 0; i < 10; ++i) c.Draw(Icon(i), i * 32, 0);
    return c;
}

// Buff (green, up arrows) and debuff (red, down arrows) badges, animated 7 frames.
Canvas BuffIcon(bool buff)
{
    Canvas c(7 * 16, 16);
    const Rgba col = buff ? Hex(0x48d060) : Hex(0xe04848);
    for (int f = 0; f < 7; ++f) {
        Canvas g(16, 16);
        g.Ellipse(8, 8, 7, 7, Shade(col, 0.55f));
        g.Ellipse(8, 8, 6, 6, col);
        const int off = (f * 2) % 7 - 3;   // the arrow scrolls through the badge
        for (int k = 0; k < 2; ++k) {
            const int y = buff ? 10 - off - k * 7 : 5 + off + k * 7;
            const float dir = buff ? -1.0f : 1.0f;
            g.Polygon({{4, float(y)}, {8, y + 4 * dir}, {12, float(y)}}, kWhite);
        }
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {   // keep the arrow inside the badge
                const float dx = x + 0.5f - 8, dy = y + 0.5f - 8;
                if (dx * dx + dy * dy > 36) {
                    Rgba p = g.Get(x, y);
                    if (p == kWhite) g.Set(x, y, dx * dx + dy * dy > 49 ? kClear : Shade(col, 0.55f));
                }
            }
        g.Outline(kInk);
        c.Draw(g, f * 16, 0);
    }
    return c;
}

// Dig hole / dirt cloud, 7 frames.
Canvas Dig()
{
    Canvas c(7 * 32, 32);
    for (int f = 0; f < 7; ++f) {
        const float t = f / 6.0f;
        const int ox = f * 32;
        c.Ellipse(float(ox + 16), 20, 6 + 8 * std::min(1.0f, t * 2), 3 + 4 * std::min(1.0f, t * 2), Hex(0x1a120c));
        c.Ellipse(float(ox + 16), 19, 4 + 7 * std::min(1.0f, t * 2), 2 + 3 * std::min(1.0f, t * 2), Hex(0x0a0604));
        for (int k = 0; k < 7; ++k) {
            const float a = kPi + (k + 0.5f) * kPi / 7;
            const float d = 6 + t * 10;
            const float y = 18 + std::sin(a) * d * 0.9f + t * t * 6;
            c.Ellipse(ox + 16 + std::cos(a) * d, y, 3 - t * 1.5f, 2.5f - t, Hex(0x8a6440, uint8_t(255 - t * 120)));
        }
    }
    return c;
}

Canvas TeleportBeam()
{
    Canvas c(32, 90);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 32; ++x) {
            const float dx = std::fabs(x + 0.5f - 16) / 16;
            const float core = std::max(0.0f, 1 - dx * 1.1f);
            const float streak = (x % 5 == 0 && (y / 6 + x) % 3 == 0) ? 0.3f : 0;
            const float a = std::min(1.0f, core * core * 0.9f + streak * core);
            if (a > 0.02f) c.Set(x, y, WithAlpha(Mix(Hex(0x60d8ff), kWhite, core * core), int(a * 255)));
        }
    return c;
}

// One dizzy star: three sizes for the depth of the orbit (0 back, 2 front).
void DizzyStar(Canvas& c, int cx, int cy, int size)
{
    static const std::vector<std::string> kStars[3] = {
        {".L.", "LYD", ".D."},
        {"..L..", ".LYY.", "LYYYD", ".YYD.", ".D.D."},
        {"...L...", "...Y...", "LLYYYYD", ".LYYYD.", "..YYY..", ".YD.DD.", ".D...D."},
    };
    const Palette pal{{'L', Hex(0xfffbd0)}, {'Y', Hex(0xffd83a)}, {'D', Hex(0xd08a10)}};
    const auto& rows = kStars[size];
    const int half = int(rows.size()) / 2;
    c.Template(cx - half, cy - half, rows, pal);
}

Canvas StatusFx()
{
    Canvas c(128, 16);
    // Dizzy: three stars on a tilted orbit over the head. Two frames cannot show the turn
    // by position alone (a third of a turn apart, half a step reads either way), so each
    // star trails a fading arc behind it and grows as it swings to the front.
    constexpr float kCx = 16, kCy = 7.5f, kRx = 11, kRy = 3.2f;
    for (int f = 0; f < 2; ++f) {
        Canvas frame(32, 16);
        Canvas trails(32, 16);
        for (int i = 0; i < 64; ++i) {   // the faint orbit itself
            const float ta = i * 2 * kPi / 64;
            trails.Set(int(std::lround(kCx + std::cos(ta) * kRx)), int(std::lround(kCy + std::sin(ta) * kRy)),
                       WithAlpha(Hex(0xfff0a0), 56));
        }
        struct Star { float y; int x, iy, size; };
        std::vector<Star> stars;
        for (int k = 0; k < 3; ++k) {
            const float a = -kPi / 2 + k * 2 * kPi / 3 + f * kPi / 3;
            for (int t = 12; t >= 1; --t) {   // trail, oldest faintest
                const float ta = a - t * 0.075f;
                trails.Set(int(std::lround(kCx + std::cos(ta) * kRx)), int(std::lround(kCy + std::sin(ta) * kRy)),
                           WithAlpha(Hex(0xfff4b0), 250 - t * 16));
            }
            const float depth = (std::sin(a) + 1) / 2;   // 0 at the back, 1 at the front
            const int size = depth > 0.8f ? 2 : depth > 0.4f ? 1 : 0;
            stars.push_back({std::sin(a), int(std::lround(kCx + std::cos(a) * kRx)),
                             int(std::lround(kCy + std::sin(a) * kRy)), size});
        }
        std::sort(stars.begin(), stars.end(), [](const Star& a, const Star& b) { return a.y < b.y; });
        frame.Draw(trails, 0, 0);
        for (const Star& s : stars) {
            Canvas one(32, 16);
            DizzyStar(one, s.x, s.iy, s.size);
            one.Outline(kInk);
            frame.Draw(one, 0, 0);
        }
        c.Draw(frame, f * 32, 0);
    }
    for (int f = 0; f < 2; ++f) {   // slow marker: a snail creeping along, stretching and gathering
        const int ox = 64 + f * 32;
        const int stretch = f ? 3 : 0;
        Canvas s(32, 16);
        const Rgba foot = Hex(0xb8d890), footDark = Hex(0x88a868);
        s.Rect(8, 12, 15 + stretch, 3, foot);                          // the foot
        s.Rect(8, 14, 15 + stretch, 1, footDark);
        s.Ellipse(22.0f + stretch, 11.5f, 3.2f, 3, foot);              // head
        s.ThickLine(21.0f + stretch, 9, 20.0f + stretch - f, 3, 1.2f, foot);   // eye stalks
        s.ThickLine(23.5f + stretch, 9, 25.0f + stretch - f, 3.5f, 1.2f, foot);
        s.Set(20 + stretch - f, 2, kInk);
        s.Set(25 + stretch - f, 3, kInk);
        s.Ellipse(14, 8, 6.5f, 6.2f, Hex(0x8a60d0));                   // shell, with its spiral
        s.EllipseRing(14, 8, 4.4f, 4.2f, 1.2f, Hex(0xd0b0ff));
        s.EllipseRing(14.6f, 8.4f, 2, 2, 1, Hex(0x6a40b0));
        s.Set(14, 8, Hex(0xd0b0ff));
        s.Set(10, 4, Hex(0xf0e0ff));                                   // glint on the shell
        s.Outline(kInk);
        if (f == 0) s.Rect(3, 13, 3, 1, Hex(0x9ad0ff, 170));           // a slime trail left behind
        else s.Rect(4, 13, 4, 1, Hex(0x9ad0ff, 170));
        c.Draw(s, ox, 0);
    }
    return c;
}

}  // namespace

Canvas ItemArt(const std::string& path)
{
    if (path == "items.imx") return Items();
    if (path == "idol.imx") return IdolSheet();
    if (path == "idol_light.imx") return IdolLight();
    if (path == "item_icons.imx") return ItemIcons();
    if (path == "icon-buff.imx") return BuffIcon(true);
    if (path == "icon-debuff.imx") return BuffIcon(false);
    if (path == "dig2.imx") return Dig();
    if (path == "teleport.imx") return TeleportBeam();
    if (path == "status_fx.imx") return StatusFx();
    return {};
}

}  // namespace zelka::assets
