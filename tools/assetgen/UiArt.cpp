// Menus, character select, results and HUD pieces, and the shared UI drawing helpers.

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/Art.h"
#include "tools/assetgen/Glyphs.h"
#include "tools/assetgen/UiCommon.h"

namespace zelka::assets {

void Sparkle(Canvas& c, float x, float y, float r, Rgba col)
{
    c.ThickLine(x - r, y, x + r, y, std::max(1.0f, r / 4), col);
    c.ThickLine(x, y - r, x, y + r, std::max(1.0f, r / 4), col);
    c.Ellipse(x, y, std::max(0.8f, r / 4), std::max(0.8f, r / 4), kWhite);
}

// A bevelled panel with a gold rim.
void Panel(Canvas& c, int x, int y, int w, int h, Rgba fill)
{
    c.Rect(x + 1, y, w - 2, h, kInk);
    c.Rect(x, y + 1, w, h - 2, kInk);
    c.Rect(x + 1, y + 1, w - 2, h - 2, kGoldDark);
    c.Rect(x + 2, y + 2, w - 4, h - 4, kGold);
    c.Rect(x + 3, y + 3, w - 6, h - 6, kGoldDark);
    c.VGradient(x + 4, y + 4, w - 8, h - 8, Shade(fill, 1.15f), fill);
    c.Rect(x + 4, y + 4, w - 8, 1, Shade(fill, 1.4f));
}

// Big lettering: the display face at scale, filled with a vertical gradient, outlined twice.
Canvas Lettering(const std::string& text, int scale, Rgba top, Rgba bottom, int w, int h)
{
    Canvas c(w, h);
    Canvas ink(w, h);
    const int tw = TextWidth(FontFace::Display, text, scale, true);
    const int th = 7 * scale;
    const int x = (w - tw) / 2, y = (h - th) / 2 - scale / 2;
    DrawText(ink, FontFace::Display, text, x, y, scale, kWhite, true);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (ink.Get(i, j).a) {
                const float t = std::clamp(float(j - y) / th, 0.0f, 1.0f);
                Rgba col = Mix(top, bottom, t);
                if ((j - y) % scale == 0 && ink.Get(i, j - 1).a == 0) col = Shade(col, 1.4f);
                c.Set(i, j, col);
            }
    // Drop shadow, then two outline rings.
    Canvas shadow = c;
    shadow.Tint(kInk);
    Canvas out(w, h);
    out.Draw(shadow, 2, 3);
    out.Draw(c, 0, 0);
    out.Outline(kInk, true);
    return out;
}

namespace {


Canvas InputIcons()
{
    Canvas c(128, 32);
    // Keyboard.
    c.Rect(6, 7, 52, 20, Hex(0xd8d8e4));
    c.Rect(6, 24, 52, 3, Hex(0x9a9ab0));
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 8; ++k) c.Rect(9 + k * 6 + (r == 1 ? 2 : 0), 10 + r * 5, 4, 3, Hex(0x5a5a78));
    c.Rect(20, 20, 24, 3, Hex(0x5a5a78));
    // Gamepad.
    c.Ellipse(79, 18, 9, 9, Hex(0x5a5a7a));
    c.Ellipse(113, 18, 9, 9, Hex(0x5a5a7a));
    c.Rect(79, 9, 34, 15, Hex(0x5a5a7a));
    c.Rect(76, 14, 8, 3, kWhite);
    c.Rect(78, 12, 3, 7, kWhite);
    c.Ellipse(110, 13, 2, 2, Hex(0xe84848));
    c.Ellipse(115, 17, 2, 2, Hex(0x48c060));
    c.Ellipse(106, 17, 2, 2, Hex(0x4890ff));
    c.Ellipse(110, 21, 2, 2, Hex(0xf0d040));
    c.Outline(kInk);
    return c;
}

// White arrow pointing left inside w x h, outlined.
Canvas ArrowLeft(int w, int h)
{
    Canvas c(w, h);
    c.Polygon({{1, h / 2.0f}, {w - 1.0f, 1}, {w - 1.0f, h - 1.0f}}, kWhite);
    c.Outline(Hex(0x202030));
    return c;
}

Canvas ArrowUp(int w, int h)
{
    Canvas c(w, h);
    c.Polygon({{w / 2.0f, 1}, {w - 1.0f, h - 1.0f}, {1, h - 1.0f}}, kWhite);
    c.Outline(Hex(0x202030));
    return c;
}

Canvas NavCursor()
{
    Canvas c(128, 16);
    // RIGHT, LEFT, UP, DOWN; the second frame of each pair is nudged and slimmer.
    for (int d = 0; d < 4; ++d)
        for (int f = 0; f < 2; ++f) {
            // A pixel chevron, white on top and pale grey below (the tint keeps the shading).
            Canvas a(16, 16);
            const int o = f ? 2 : 0, spread = f ? 5 : 6;
            for (int d = -spread; d <= spread; ++d) {
                const int k = spread - std::abs(d);
                const int left = (5 * k + spread / 2) / spread, right = 1 + (10 * k + spread / 2) / spread;
                a.Rect(1 + o + left, 7 + d, right - left + 1, 1, d > 0 ? Hex(0xc4c4d4) : kWhite);
            }
            a.Outline(Hex(0x202030));
            const int tile = d * 2 + f;
            switch (d) {
            case 0: c.Draw(a, tile * 16, 0); break;
            case 1: c.Draw(a, tile * 16, 0, true); break;
            default: {
                Canvas r(16, 16);   // rotate a quarter turn
                for (int y = 0; y < 16; ++y)
                    for (int x = 0; x < 16; ++x) r.Set(x, y, d == 2 ? a.Get(15 - y, x) : a.Get(y, 15 - x));
                c.Draw(r, tile * 16, 0);
            }
            }
        }
    return c;
}

Canvas Pointer(int player)
{
    const Rgba col = player == 1 ? kP1 : kP2;
    Canvas c(128, 32);
    const int bob[4] = {0, -3, -4, -2};
    for (int f = 0; f < 4; ++f) {
        Canvas p(32, 32);
        const int y = 4 + bob[f] + 3;
        p.Rect(5, y, 22, 14, col);
        p.Rect(5, y, 22, 2, Shade(col, 1.3f));
        p.Polygon({{11, float(y + 14)}, {21, float(y + 14)}, {16, float(y + 20)}}, col);
        DrawText(p, FontFace::Display, player == 1 ? "P1" : "P2", 8, y + 1, 1, kWhite, true);
        p.Outline(kInk);
        c.Draw(p, f * 32, 0);
    }
    return c;
}

Canvas ItFrame(int player)
{
    const Rgba col = player == 1 ? kP1 : kP2;
    Canvas c(40, 40);
    c.Frame(1, 1, 38, 38, col);
    c.Frame(2, 2, 36, 36, col);
    c.Frame(3, 3, 34, 34, Shade(col, 1.4f));
    for (int i = 0; i < 4; ++i) {
        const int x = i % 2 ? 30 : 0, y = i / 2 ? 30 : 0;
        c.Rect(x, y, 10, 10, col);
        c.Rect(x + 2, y + 2, 6, 6, Shade(col, 1.4f));
    }
    c.Outline(kInk);
    return c;
}

// A small clock face: gold rim, pale dial, hands at ten past.
void ClockIcon(Canvas& c, int cx, int cy)
{
    c.Ellipse(cx, cy, 6, 6, kInk);
    c.Ellipse(cx, cy, 5, 5, kGold);
    c.Ellipse(cx, cy, 3.6f, 3.6f, Hex(0xfff8e0));
    c.Line(cx, cy, cx, cy - 3, kInk);
    c.Line(cx, cy, cx + 2, cy, kInk);
}

// A small hourglass with sand running into the lower bulb.
void HourglassIcon(Canvas& c, int cx, int cy)
{
    Canvas g(13, 13);
    g.Rect(1, 0, 11, 2, kGoldDark);
    g.Rect(1, 11, 11, 2, kGoldDark);
    g.Polygon({{2.5f, 2}, {10.5f, 2}, {7, 6.5f}, {10.5f, 11}, {2.5f, 11}, {6, 6.5f}}, Hex(0xd8e8f8));
    g.Polygon({{4.5f, 3.5f}, {8.5f, 3.5f}, {6.5f, 6}}, kGold);
    g.Polygon({{4, 11}, {9, 11}, {6.5f, 8.5f}}, kGold);
    g.Outline(kInk);
    c.Draw(g, cx - 6, cy - 6);
}

// The heads-up bar. Every plate is placed by what the match draws on it (bar centre at
// (320, 38), so image and screen coordinates agree): the faces show through windows at
// both ends, the names run along the top plates, the item stacks sit in four sockets each,
// and the centre plate holds the clock ("00:00" to "03:30" fills 265..372 x 5..24) over
// the two scores and the race's "GOAL" captions.
Canvas TopBar()
{
    Canvas c(640, 76);
    c.VGradient(0, 0, 640, 70, Hex(0x2a2548), Hex(0x181530));
    c.Rect(0, 68, 640, 3, kGoldDark);
    c.Rect(0, 70, 640, 2, kGold);
    c.Rect(0, 72, 640, 2, kInk);
    for (int x = 0; x < 640; x += 16) c.Rect(x, 70, 2, 2, kGoldLight);
    for (int side = 0; side < 2; ++side) {
        const Rgba col = side == 0 ? kP1 : kP2;
        const int fx = side == 0 ? 32 : 608;
        Panel(c, fx - 32, 2, 64, 64, Hex(0x101020));
        c.Frame(fx - 29, 5, 58, 58, col);
        // The face is drawn under the bar: it shows through this window.
        c.Rect(fx - 28, 6, 56, 56, kClear);
        // Name plate hanging from the top edge; the name (80..240, ink rows 5..11) is
        // left-aligned for player one and right-aligned for player two.
        const int nx = side == 0 ? 70 : 404;
        Panel(c, nx, -4, 166, 22, Hex(0x1c1a34));
        c.Rect(side == 0 ? nx + 4 : nx + 159, 3, 3, 10, col);
        // Item sockets under the slots (centres 42 apart, 32 x 32 icons at y 24..56).
        const int stackX = side == 0 ? 160 : 480;
        for (int i = 0; i < 4; ++i) {
            const int sx = stackX + 16 + 42 * i - 84;
            c.Rect(sx - 18, 22, 36, 36, kInk);
            c.Rect(sx - 17, 23, 34, 34, Hex(0x2c2848));
            c.Rect(sx - 16, 24, 32, 32, Hex(0x110f20));
        }
    }
    // Centre plate: clock on top, a rule, the scores below.
    Panel(c, 252, -4, 136, 70, Hex(0x101020));
    c.Rect(260, 30, 120, 1, kGoldDark);
    c.Rect(260, 31, 120, 1, kInk);
    ClockIcon(c, 244, 10);
    HourglassIcon(c, 396, 10);
    return c;
}

// The lock card. Its text box (238 wide) sits at x 24 from the centre beside an icon that
// ends at x -104, so the card is wide enough for wrapped lines to stop inside the rim
// (x 143), and the icon's well stays where the icon is.
Canvas MsgBox()
{
    Canvas c(296, 64);
    Panel(c, 0, 0, 296, 64);
    Panel(c, 8, 6, 44, 52, Hex(0x101020));
    return c;
}

Canvas Key()
{
    Canvas c(24, 24);
    c.EllipseRing(7, 8, 6, 6, 2.5f, kGold);
    c.ThickLine(11, 12, 21, 21, 3, kGold);
    c.ThickLine(16, 17, 13, 20, 2.5f, kGold);
    c.ThickLine(19, 20, 17, 22, 2, kGold);
    c.Set(5, 5, kGoldLight);
    c.Outline(kInk);
    return c;
}

// Sunburst rays around (cx, cy) alternating two colours.
void Sunburst(Canvas& c, float cx, float cy, Rgba a, Rgba b, int rays)
{
    for (int y = 0; y < c.H(); ++y)
        for (int x = 0; x < c.W(); ++x) {
            const float ang = std::atan2(y + 0.5f - cy, x + 0.5f - cx);
            const int k = int(std::floor((ang + kPi) / (2 * kPi) * rays));
            const float d = std::hypot(x - cx, y - cy) / std::hypot(float(c.W()), float(c.H()));
            c.Set(x, y, Shade(k % 2 ? a : b, 1.0f - d * 0.6f));
        }
}

Canvas ResultsBg()
{
    Canvas c(840, 360);
    Sunburst(c, 420, 150, Hex(0x3a2a6a), Hex(0x2e2258), 28);
    for (int i = 0; i < 60; ++i) {
        const float x = Hash01(i, 1, 900) * 840, y = Hash01(i, 2, 900) * 360;
        Sparkle(c, x, y, 1.5f + Hash01(i, 3, 900) * 2.5f, Hex(0xfff0c0, 180));
    }
    // Darken toward the floor strip; blended, as setting the rows would punch a hole.
    for (int j = 0; j < 30; ++j) c.BlendRect(0, 300 + j, 840, 1, Hex(0x1a1430, uint8_t(255 * j / 30)));
    c.Rect(0, 330, 840, 30, Hex(0x1a1430));
    c.Rect(0, 328, 840, 2, kGold);
    return c;
}

Canvas VertBar()
{
    Canvas c(6, 360);
    c.Rect(0, 0, 6, 360, kInk);
    c.Rect(1, 0, 4, 360, kGoldDark);
    c.Rect(2, 0, 2, 360, kGold);
    for (int y = 0; y < 360; y += 24) c.Rect(1, y, 4, 3, kGoldLight);
    return c;
}

Canvas Shine(int size)
{
    Canvas c(size, size);
    const float m = size / 2.0f;
    c.Polygon({{m, 0}, {m + size * 0.12f, m - size * 0.12f}, {float(size), m}, {m + size * 0.12f, m + size * 0.12f},
               {m, float(size)}, {m - size * 0.12f, m + size * 0.12f}, {0, m}, {m - size * 0.12f, m - size * 0.12f}},
              Hex(0xfff4b0));
    c.Ellipse(m, m, size * 0.16f, size * 0.16f, kWhite);
    return c;
}

// The winner's speech bubble. The results screen shows it unmirrored when player two (or
// the computer) wins and mirrored when player one wins, and the winner stands on the side
// away from the centre, so the tail sits at the lower right: toward player two on the
// right as drawn, toward player one on the left once mirrored.
Canvas CharDialog()
{
    Canvas c(400, 90);
    const Rgba fill = Hex(0xfafaff), rim = Hex(0x2a2448);
    Canvas b(400, 90);
    b.Rect(12, 2, 376, 76, fill);
    b.Rect(4, 10, 392, 60, fill);
    b.Ellipse(12, 10, 8, 8, fill);
    b.Ellipse(388, 10, 8, 8, fill);
    b.Ellipse(12, 70, 8, 8, fill);
    b.Ellipse(388, 70, 8, 8, fill);
    b.Polygon({{336, 72}, {364, 72}, {388, 89}}, fill);
    b.Outline(rim, true);
    b.Outline(rim);
    b.Rect(12, 72, 322, 2, Hex(0xd8d8ec));   // a soft lower edge, broken by the tail
    b.Rect(368, 72, 20, 2, Hex(0xd8d8ec));
    c.Draw(b, 0, 0);
    return c;
}

// A sunken area of the how-to-play page: darker, shadowed at the top left, lit at the
// bottom right, so the page reads as carved panels under the labels the screen draws.
void Recess(Canvas& c, int x, int y, int w, int h, Rgba fill)
{
    c.Rect(x + 1, y, w - 2, h, Shade(fill, 1.6f));
    c.Rect(x, y + 1, w, h - 2, Shade(fill, 1.6f));
    c.Rect(x + 1, y, w - 2, h - 1, kInk);
    c.Rect(x, y + 1, w - 1, h - 2, kInk);
    c.Rect(x + 1, y + 1, w - 2, h - 2, fill);
}

// A heading rule under a section label: bright at the start, fading out.
void HeadingRule(Canvas& c, int x, int y, int w)
{
    const Rgba blue = Hex(0x407bdc);
    for (int i = 0; i < w; ++i) {
        const int a = 230 - 180 * i / w;
        c.Blend(x + i, y, WithAlpha(blue, a));
        c.Blend(x + i, y + 1, WithAlpha(kInk, a));
    }
    c.Rect(x, y - 1, 3, 3, Shade(blue, 1.3f));
}

// Faint alternating bands behind rows of text 14 px apart.
void RowBands(Canvas& c, int x, int y, int w, int rows)
{
    for (int r = 0; r < rows; ++r) c.BlendRect(x, y + r * 14, w, 14, WithAlpha(kWhite, r % 2 ? 6 : 14));
}

// The how-to-play page. The screen draws every word over it (title, section headings,
// the move, item and general rows with the player's keys, and the two choices), so the
// image holds only the panels those labels sit in and the pictures between them, placed
// by the label boxes: characters in the left panel, the item stack on the right, the
// general rows and the choice bar along the bottom.
Canvas HowToPlay()
{
    Canvas c(592, 308);
    const Rgba well = Hex(0x12101f);
    Panel(c, 0, 0, 592, 308, Hex(0x1e1a36));
    // Beside the title: a gold rule ending in a gem.
    for (int i = 0; i < 290; ++i) c.Blend(270 + i, 26, WithAlpha(kGold, 60 + 150 * i / 290));
    c.Rect(270, 27, 290, 1, WithAlpha(kGoldDark, 200));
    {
        Canvas gem(12, 12);
        gem.Polygon({{6, 0.5f}, {11.5f, 6}, {6, 11.5f}, {0.5f, 6}}, Hex(0x30d0a0));
        gem.Polygon({{6, 0.5f}, {11.5f, 6}, {6, 6}}, Hex(0xa8ffe0));
        gem.Polygon({{0.5f, 6}, {6, 11.5f}, {6, 6}}, Hex(0x16866a));
        gem.Outline(kInk);
        c.Draw(gem, 560, 20);
    }

    // Left panel, YOUR CHARACTER: a walk through a bit of maze, then the four move rows.
    // One well for both upper panels: the key names of the move rows may run on to x 269
    // and the right heading starts at 274, too close for two rims. A faint divider parts
    // them only where no text runs.
    Recess(c, 14, 48, 566, 160, well);
    c.Rect(271, 52, 1, 90, Hex(0x2c2848));
    HeadingRule(c, 80, 70, 176);
    {
        const Canvas floor = WorldArt("worlds/world0/floorset.imx");
        const Canvas walls = WorldArt("worlds/world0/mazeset.imx");
        const Canvas items = ItemArt("items.imx");
        const Canvas hero = CharacterArt("mira/sprite.imx");
        const Canvas nav = NavCursor();
        Canvas scene(176, 64);
        for (int ty = 0; ty < 2; ++ty)
            for (int tx = 0; tx < 6; ++tx) {
                const int trail = ty == 1 ? 12 : 0;   // the path the hero walked
                scene.Draw(floor.Crop(trail * 32, 0, 32, 32), tx * 32 - 8, ty * 32);
            }
        scene.Draw(walls.Crop(12 * 32, 0, 32, 32), -8, 0);
        scene.Draw(walls.Crop(8 * 32, 0, 32, 32), 24, 0);
        scene.Draw(walls.Crop(4 * 32, 0, 32, 32), 120, 0);
        scene.Draw(walls.Crop(12 * 32, 0, 32, 32), 152, 0);
        scene.Draw(items.Crop(0, 0, 32, 32), 128, 30);
        scene.Draw(items.Crop(6 * 32, 32, 32, 32), 6, 30);
        const int hx = 72, hy = 12;   // the hero, with the four move arrows around her
        scene.Draw(hero.Crop(0, 0, 32, 40), hx, hy);
        scene.Draw(nav.Crop(4 * 16, 0, 16, 16), hx + 8, hy - 13);
        scene.Draw(nav.Crop(6 * 16, 0, 16, 16), hx + 8, hy + 38);
        scene.Draw(nav.Crop(2 * 16, 0, 16, 16), hx - 14, hy + 14);
        scene.Draw(nav.Crop(0, 0, 16, 16), hx + 30, hy + 14);
        c.Rect(76, 75, 180, 68, kInk);
        c.Frame(77, 76, 178, 66, kGoldDark);
        c.Draw(scene, 78, 77);
        // Keyboard and gamepad beside the move rows, which name the player's controls.
        const Canvas devices = InputIcons();
        c.Draw(devices.Crop(64, 0, 64, 32), 10, 96);
        c.Draw(devices.Crop(0, 0, 64, 32), 10, 160);
        RowBands(c, 84, 148, 180, 4);
    }

    // Right panel, YOUR ITEM STACK: the stack with the current item framed, a pointer
    // from it to the "currently selected" caption, and the two item rows.
    HeadingRule(c, 274, 70, 220);
    {
        const Canvas icons = ItemArt("item_icons.imx");
        const int stack[4] = {1, 3, 5, 7};   // pickaxe, hammer, sneakers, hand: a full stack
        c.Rect(280, 80, 172, 44, Shade(well, 0.6f));
        for (int i = 0; i < 4; ++i) {
            const int x = 286 + i * 42;
            c.Frame(x - 1, 85, 34, 34, Hex(0x2c2848));
            c.Draw(icons.Crop(stack[i] * 32, 0, 32, 32), x, 86);
        }
        c.Draw(ItFrame(1), 282, 82);
        // L-shaped pointer: down from the frame, then right to the caption.
        const Rgba pc = kGoldLight;
        c.Rect(301, 124, 2, 20, kInk);
        c.Rect(300, 124, 2, 20, pc);
        c.Rect(300, 143, 24, 2, pc);
        c.Rect(300, 145, 24, 1, kInk);
        c.Polygon({{323, 139.5f}, {329, 144}, {323, 148.5f}}, pc);
        // Small pictures for "select next" (a turn arrow) and "use" (a burst).
        Canvas turn(14, 14);
        turn.EllipseRing(7, 7, 5, 5, 2, kWhite);
        turn.Rect(7, 0, 7, 7, kClear);
        turn.Polygon({{8, 0}, {13, 3.5f}, {8, 7}}, kWhite);
        turn.Outline(kInk);
        c.Draw(turn, 312, 162);
        Canvas burst(14, 14);
        for (int k = 0; k < 8; ++k) {
            const float a = k * kPi / 4;
            const float r0 = 2.5f, r1 = k % 2 ? 5.0f : 6.5f;
            burst.ThickLine(7 + std::cos(a) * r0, 7 + std::sin(a) * r0, 7 + std::cos(a) * r1, 7 + std::sin(a) * r1, 1.2f,
                            kGoldLight);
        }
        burst.Ellipse(7, 7, 1.5f, 1.5f, kWhite);
        burst.Outline(kInk);
        c.Draw(burst, 312, 176);
        RowBands(c, 330, 162, 246, 2);
    }

    // Bottom panel, IN GENERAL: three rows on the left, the two choices on the right.
    Recess(c, 14, 212, 566, 88, well);
    HeadingRule(c, 56, 234, 150);
    RowBands(c, 52, 236, 236, 3);
    c.BlendRect(288, 236, 94, 14, WithAlpha(kWhite, 14));   // the accept row runs longer
    // The choices' well: the cursor bar (22 high) slides over it with its arrow to the left.
    // Its top stays below the accept row, whose key names may run on to x 380.
    c.Rect(300, 250, 276, 48, Shade(well, 0.6f));
    c.Frame(300, 250, 276, 48, Hex(0x2c2848));
    return c;
}

Canvas HtpCursor()
{
    Canvas c(160, 24);
    const int off[5] = {0, 2, 4, 2, 0};
    for (int f = 0; f < 5; ++f) {
        Canvas a(32, 24);
        a.Polygon({{4.0f + off[f], 4}, {24.0f + off[f], 12}, {4.0f + off[f], 20}, {9.0f + off[f], 12}}, kGold);
        a.Polygon({{4.0f + off[f], 4}, {24.0f + off[f], 12}, {9.0f + off[f], 12}}, kGoldLight);
        a.Outline(kInk);
        c.Draw(a, f * 32, 0);
    }
    return c;
}

Canvas CharCursor(int player)
{
    const Rgba col = player == 1 ? kP1 : kP2;
    Canvas c(72, 72);
    for (int i = 0; i < 4; ++i) {
        const bool r = i % 2, b = i / 2;
        const int x = r ? 50 : 2, y = b ? 50 : 2;
        c.Rect(x, b ? 66 : 2, 20, 4, col);
        c.Rect(r ? 66 : 2, y, 4, 20, col);
    }
    c.Frame(5, 5, 62, 62, WithAlpha(col, 140));
    c.Polygon({{30, 0}, {42, 0}, {36, 6}}, Shade(col, 1.3f));
    c.Outline(kInk);
    return c;
}

Canvas StoneMask(int variant)
{
    Canvas c(432, 56);
    const Rgba stone = variant == 1 ? Hex(0x9a8a7a) : Hex(0x7a8a9a);
    const Rgba dark = Shade(stone, 0.65f), light = Shade(stone, 1.2f);
    const Rgba glow = variant == 1 ? kP1 : kP2;
    for (int f = 0; f < 6; ++f) {
        Canvas m(72, 56);
        const float open = f / 5.0f;
        m.Polygon({{10, 6}, {62, 6}, {66, 26}, {52, 52}, {20, 52}, {6, 26}}, stone);
        // Weathered stone: speckle, a lit upper left and a shaded lower right, one crack.
        for (int y = 6; y < 53; ++y)
            for (int x = 6; x < 67; ++x) {
                const Rgba p = m.Get(x, y);
                if (!p.a) continue;
                const float n = Hash01(x, y, 400 + variant);
                const float side = (x - 36) / 30.0f + (y - 28) / 26.0f;   // -2 upper left .. 2 lower right
                float k = 1.0f - 0.1f * std::clamp(side, -1.0f, 1.5f);
                if (n > 0.9f) k *= 0.86f;
                else if (n < 0.07f) k *= 1.1f;
                m.Set(x, y, Shade(p, k));
            }
        m.Rect(14, 8, 44, 3, light);
        m.Rect(14, 11, 44, 1, Shade(stone, 0.85f));
        m.Line(55, 8, 52, 14, dark);
        m.Line(52, 14, 55, 18, dark);
        m.Line(55, 18, 53, 22, dark);
        m.Rect(16, 14, 40, 2, Shade(stone, 1.08f));   // brow ridge
        m.Rect(24, 17, 9, 3, dark);    // brows
        m.Rect(39, 17, 9, 3, dark);
        const float eh = 1 + open * 5;
        m.Ellipse(28, 24, 4.5f, eh, kInk);
        m.Ellipse(44, 24, 4.5f, eh, kInk);
        if (open > 0.3f) {
            m.Ellipse(28, 24, 2, eh * 0.6f, glow);
            m.Ellipse(44, 24, 2, eh * 0.6f, glow);
        }
        m.Rect(34, 26, 4, 8, dark);
        m.Rect(26, 40, 20, int(2 + open * 8), kInk);
        m.Rect(26, 40, 20, 2, dark);
        m.Line(12, 30, 18, 44, dark);
        m.Line(60, 30, 54, 44, dark);
        m.Outline(kInk);
        c.Draw(m, f * 72, 0);
    }
    return c;
}

// One chain link at (cx, cy) along angle a: an oval ring seen face-on, or edge-on as a
// bar, shaded as if lit from the upper left.
void Link(Canvas& c, float cx, float cy, float a, bool faceOn)
{
    const float ca = std::cos(a), sa = std::sin(a);
    const float rx = 5.5f, ry = faceOn ? 3.4f : 1.5f;
    for (int y = int(cy - 7); y <= int(cy + 7); ++y)
        for (int x = int(cx - 7); x <= int(cx + 7); ++x) {
            const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            const float u = dx * ca + dy * sa, v = -dx * sa + dy * ca;
            const float d = std::sqrt((u * u) / (rx * rx) + (v * v) / (ry * ry));
            const bool in = faceOn ? (d <= 1.0f && d >= 0.45f) : d <= 1.0f;
            if (!in) continue;
            const float light = -(dx + dy) / 10.0f;   // upper left is lit
            const Rgba base = faceOn ? Hex(0xa8a8bc) : Hex(0x84849a);
            c.Set(x, y, Shade(base, 1.0f + std::clamp(light, -0.35f, 0.35f)));
        }
}

Canvas Chains()
{
    // Two chains crossing the face slot corner to corner, links interlocking (one face-on,
    // the next edge-on) and overlapping; the padlock hangs where they cross.
    Canvas c(64, 64);
    for (int d = 0; d < 2; ++d) {
        Canvas chain(64, 64);
        const float a = d ? 3 * kPi / 4 : kPi / 4;
        constexpr int kLinks = 11;
        for (int i = 0; i < kLinks; ++i) {
            const float t = (i + 0.5f) / kLinks;
            const float x = d ? 64 - t * 64 : t * 64, y = t * 64;
            Link(chain, x, y, a, i % 2 == 0);
        }
        chain.Outline(kInk);
        c.Draw(chain, 0, 0);
    }
    return c;
}

Canvas Padlock()
{
    Canvas c(24, 28);
    c.EllipseRing(12, 10, 7, 8, 2.5f, Hex(0x9a9aae));
    c.EllipseRing(11.5f, 9.5f, 6.5f, 7.5f, 1.0f, Hex(0xd8d8e8));   // the shackle's lit inner edge
    c.Rect(3, 11, 18, 15, kGold);
    c.VGradient(3, 13, 18, 13, kGold, kGoldDark);
    c.Rect(3, 11, 18, 2, kGoldLight);
    c.Rect(3, 11, 1, 15, Shade(kGoldLight, 0.95f));
    c.Rect(20, 11, 1, 15, kGoldDark);
    for (int x : {5, 18}) c.Set(x, 23, kGoldLight);   // rivets
    c.Ellipse(12, 17, 2.5f, 2.5f, kInk);
    c.Rect(11, 18, 2, 5, kInk);
    c.Outline(kInk);
    return c;
}

Canvas Noise()
{
    Canvas c(400, 180);
    for (int f = 0; f < 4; ++f)
        for (int y = 0; y < 180; ++y)
            for (int x = 0; x < 100; ++x) {
                const float n = Hash01(x / 2, y / 2, 700 + f);
                const uint8_t v = uint8_t(40 + n * 215);
                c.Set(f * 100 + x, y, Rgba{v, v, v, uint8_t(y % 4 < 2 ? 200 : 150)});
            }
    return c;
}

// A gold medallion with a gem, radius r.
void Medallion(Canvas& c, float x, float y, float r)
{
    c.Ellipse(x, y, r + 2, r + 2, kInk);
    c.Ellipse(x, y, r, r, kGold);
    c.Ellipse(x, y, r * 0.62f, r * 0.62f, Hex(0x30d0a0));
    c.Ellipse(x - r * 0.2f, y - r * 0.2f, r * 0.2f, r * 0.2f, Hex(0xa8ffe0));
}

Canvas CharSelOver()
{
    Canvas c(640, 360);
    // An ornate frame with a transparent middle. The top plate runs the full width and is
    // tall enough to hold the labels the screen puts there (ink rows 8..22): "WINS n" from
    // x 20 on the left, on the right up to x 620, and player two's prompt over 435..635.
    // The ornaments stay out of those stretches, and out of the name plates the screen
    // draws over the bottom corners (0..200 and 440..640).
    const Rgba band = Hex(0x2a2248);
    Panel(c, 0, 0, 16, 360, band);
    Panel(c, 624, 0, 16, 360, band);
    Panel(c, 0, 336, 640, 24, band);
    Panel(c, 0, 0, 640, 30, band);
    for (int k = 1; k <= 3; ++k)
        for (int x : {320 - 30 * k, 320 + 30 * k}) {
            c.Ellipse(float(x), 15, 3, 3, kGoldLight);
            c.Ellipse(float(x), 348, 3, 3, kGoldLight);
        }
    Medallion(c, 320, 15, 10);
    Medallion(c, 320, 348, 9);
    return c;
}

}  // namespace

Canvas UiArt(const std::string& path)
{
    if (path == "inputicons.imx") return InputIcons();
    if (path == "cursor1.imx") return ArrowLeft(12, 12);
    if (path == "cursor2.imx") return ArrowUp(12, 8);
    if (path == "cursor3.imx") return ArrowLeft(8, 8);
    if (path == "nav_cursor.imx") return NavCursor();
    if (path == "p1_pointer.imx") return Pointer(1);
    if (path == "p2_pointer.imx") return Pointer(2);
    if (path == "ready.imx") return Lettering("READY", 5, Hex(0xfff0a0), Hex(0xf08a20), 192, 48);
    if (path == "go.imx") return Lettering("GO!", 6, Hex(0xd0ffb0), Hex(0x30c050), 96, 48);
    if (path == "itframe_p1.imx") return ItFrame(1);
    if (path == "itframe_p2.imx") return ItFrame(2);
    if (path == "topbar.imx") return TopBar();
    if (path == "msgbox.imx") return MsgBox();
    if (path == "key.imx") return Key();
    if (path == "results_bg.imx") return ResultsBg();
    if (path == "vertbar.imx") return VertBar();
    if (path == "shine1.imx") return Shine(16);
    if (path == "shine2.imx") return Shine(12);
    if (path == "shine3.imx") return Shine(8);
    if (path == "chardialog.imx") return CharDialog();
    if (path == "zelka.imx") return Lettering("ZELKA", 7, Hex(0xfff4b0), Hex(0xe07820), 240, 56);
    if (path == "htp.imx") return HowToPlay();
    if (path == "htp_cursor.imx") return HtpCursor();
    if (path == "charcursor_p1.imx") return CharCursor(1);
    if (path == "charcursor_p2.imx") return CharCursor(2);
    if (path == "stonemask1.imx") return StoneMask(1);
    if (path == "stonemask2.imx") return StoneMask(2);
    if (path == "chains.imx") return Chains();
    if (path == "padlock.imx") return Padlock();
    if (path == "noise.imx") return Noise();
    if (path == "charselover.imx") return CharSelOver();
    return {};
}

}  // namespace zelka::assets
