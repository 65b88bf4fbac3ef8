// The title screen and the maker's intro.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/Art.h"
#include "tools/assetgen/UiCommon.h"

namespace zelka::assets {

namespace {

void Stars(Canvas& c, int count, int seed, int maxY)
{
    for (int i = 0; i < count; ++i) {
        const int x = int(Hash01(i, 0, seed) * c.W()), y = int(Hash01(i, 1, seed) * maxY);
        const float b = Hash01(i, 2, seed);
        c.Blend(x, y, Hex(0xffffff, uint8_t(120 + b * 135)));
        if (b > 0.9f) Sparkle(c, float(x), float(y), 2, Hex(0xfff8d0, 200));
    }
}

Canvas TitleBg()
{
    Canvas c(640, 360);
    c.VGradient(0, 0, 640, 360, Hex(0x141033), Hex(0x5a2a6a));
    Stars(c, 140, 31, 250);
    // A crescent: the moon disc with a sky-coloured disc cut out of its upper right.
    c.Ellipse(520, 70, 28, 28, Hex(0x000000, 60));
    c.Ellipse(520, 70, 26, 26, Hex(0xfff4d0));
    c.Ellipse(510, 76, 5, 4, Hex(0xe8dcb8));
    c.Ellipse(504, 60, 3, 3, Hex(0xe8dcb8));
    for (int y = 30; y < 110; ++y)
        for (int x = 480; x < 560; ++x) {
            const float dx = x + 0.5f - 534, dy = y + 0.5f - 60;
            if (dx * dx + dy * dy < 24 * 24) c.Set(x, y, Mix(Hex(0x141033), Hex(0x5a2a6a), y / 359.0f));
        }
    // A warm glow along the horizon, then a hazy ridge of hills in front of it.
    for (int y = 200; y < 310; ++y) {
        const float t = float(y - 200) / 110;
        c.BlendRect(0, y, 640, 1, Hex(0xd05a8a, uint8_t(70 * t * t)));
    }
    for (int x = 0; x < 640; ++x) {
        const float h = 246 + 10 * std::sin(x * 0.013f + 0.6f) + 5 * std::sin(x * 0.041f + 2) + 2 * std::sin(x * 0.13f);
        for (int y = int(h); y < 310; ++y) c.Blend(x, y, Hex(0x4a2c64, uint8_t(y < int(h) + 1 ? 150 : 210)));
    }
    // Ruined ziggurats: far ones smaller and paler.
    struct Zig { float cx, scale, haze; };
    for (const Zig z : {Zig{330, 0.72f, 0.45f}, Zig{112, 1.0f, 0.0f}, Zig{538, 0.9f, 0.15f}}) {
        const Rgba face = Mix(Hex(0x3c2a5e), Hex(0x5a3c78), z.haze);
        const Rgba lit = Mix(Hex(0x5e4488), Hex(0x7a5a98), z.haze);   // moonlight from the right
        const Rgba shade = Mix(Hex(0x281a44), Hex(0x4a3068), z.haze);
        const Rgba joint = Mix(Hex(0x2e2050), Hex(0x4c3470), z.haze);
        const float base = 302, tierH = 22 * z.scale, w0 = 184 * z.scale, inset = 16 * z.scale;
        for (int t = 0; t < 5; ++t) {
            const int w = int(w0 - 2 * inset * t), h = int(tierH);
            const int x = int(z.cx - w / 2.0f), y = int(base - tierH * (t + 1));
            c.Rect(x, y, w, h, face);
            for (int j = y + 5; j < y + h; j += 6) c.Rect(x, j, w, 1, joint);   // courses
            for (int j = y; j < y + h; j += 6)
                for (int i = x + ((j - y) / 6 % 2 ? 6 : 0); i < x + w; i += 12) c.Rect(i, j, 1, 5, joint);
            c.Rect(x, y, 3, h, shade);                        // shadowed left flank
            c.Rect(x + w - 3, y, 3, h, lit);                  // lit right flank
            c.Rect(x, y, w, 1, Shade(lit, 1.15f));            // lit top edge of the tier
            if (t < 4 && Hash01(t, int(z.cx), 17) > 0.45f) {  // a torch-lit window or two
                const int wx = x + int(w * (0.2f + 0.6f * Hash01(t, 2, int(z.cx))));
                c.Rect(wx, y + h / 2 - 2, 2, 4, Hex(0xffb050));
                c.Blend(wx - 1, y + h / 2 - 3, Hex(0xffb050, 70));
                c.Blend(wx + 2, y + h / 2 - 3, Hex(0xffb050, 70));
            }
        }
        // The stair up the front, and a shrine on the top tier.
        const int sw = int(22 * z.scale), top = int(base - tierH * 5);
        const int sx = int(z.cx - sw / 2.0f);
        c.Rect(sx, top, sw, int(base) - top, Shade(face, 1.12f));
        for (int j = top + 2; j < int(base); j += 3) c.Rect(sx, j, sw, 1, shade);
        c.Rect(sx - 1, top, 1, int(base) - top, shade);
        c.Rect(sx + sw, top, 1, int(base) - top, lit);
        const int shw = int(34 * z.scale), shh = int(18 * z.scale);
        const int shx = int(z.cx - shw / 2.0f), shy = top - shh;
        c.Rect(shx, shy, shw, shh, face);
        c.Rect(shx + shw - 2, shy, 2, shh, lit);
        c.Rect(shx - 3, shy - 3, shw + 6, 4, Shade(lit, 1.05f));
        c.Rect(shx - 3, shy, shw + 6, 1, shade);
        const int dw = std::max(4, shw / 3);
        c.Rect(int(z.cx - dw / 2.0f), shy + shh / 3, dw, shh - shh / 3, Hex(0x140c22));
        c.Ellipse(z.cx, float(shy + shh / 3), dw / 2.0f, dw / 2.5f, Hex(0x140c22));
        c.Blend(int(z.cx), shy + shh - 2, Hex(0xffb050, 160));
    }
    // The near ground: a low maze wall running across, lit on its top.
    c.Rect(0, 300, 640, 60, Hex(0x1e1436));
    for (int x = 0; x < 640; x += 40) {
        c.Rect(x, 294, 30, 8, Hex(0x2e2050));
        c.Rect(x, 294, 30, 1, Hex(0x4a3470));
        c.Rect(x + 29, 294, 1, 8, Hex(0x1a1030));
    }
    c.Rect(0, 302, 640, 1, Hex(0x3a2860));
    return c;
}

Canvas Logo()
{
    Canvas c(256, 160);
    // A gilt medallion with a maze inside and a gem at its heart.
    c.Ellipse(128, 80, 74, 74, kInk);
    c.Ellipse(128, 80, 72, 72, kGoldDark);
    c.Ellipse(128, 80, 68, 68, kGold);
    c.Ellipse(128, 80, 60, 60, Hex(0x2a1e50));
    for (int r = 0; r < 4; ++r) {
        const float rad = 52.0f - r * 12;
        c.EllipseRing(128, 80, rad, rad, 4, Hex(0x7a5ad0));
        const float gap = r * 1.7f + 0.6f;   // a doorway in each ring
        c.Ellipse(128 + std::cos(gap) * (rad - 2), 80 + std::sin(gap) * (rad - 2), 4.5f, 4.5f, Hex(0x2a1e50));
    }
    c.Polygon({{128, 62}, {142, 78}, {128, 100}, {114, 78}}, Hex(0x30d0a0));
    c.Polygon({{128, 62}, {142, 78}, {128, 78}}, Hex(0xa8ffe0));
    c.Polygon({{114, 78}, {128, 100}, {128, 78}}, Hex(0x16866a));
    for (int i = 0; i < 12; ++i) {
        const float a = i * kPi / 6;
        c.Ellipse(128 + std::cos(a) * 70, 80 + std::sin(a) * 70, 3, 3, kGoldLight);
    }
    // Crossed pick and shovel behind, their heads showing above the medallion.
    Canvas back(256, 160);
    const Rgba wood = Hex(0x8a5a2a), woodLight = Hex(0xb88048), steel = Hex(0xb8c0cc), steelLight = Hex(0xe8eef6),
               steelDark = Hex(0x7a8090);
    auto handle = [&](float x0, float y0, float x1, float y1) {
        back.ThickLine(x0, y0, x1, y1, 7, wood);
        back.ThickLine(x0 - 1, y0 - 1, x1 - 1, y1 - 1, 2, woodLight);
        for (float t : {0.08f, 0.14f}) {   // grip bands near the butt
            const float bx = x0 + (x1 - x0) * t, by = y0 + (y1 - y0) * t;
            back.Ellipse(bx, by, 4.5f, 4.5f, Hex(0x5a3418));
        }
    };
    handle(40, 140, 200, 27);
    handle(216, 140, 58, 30);
    {   // Pick head: a curved double point across the handle's end, lit on its upper edge.
        const float dx = 0.817f, dy = -0.577f, nx = 0.577f, ny = 0.817f, ex = 200, ey = 27;
        std::vector<std::pair<float, float>> top, bottom;
        for (int i = 0; i <= 20; ++i) {
            const float u = -1 + i / 10.0f;
            const float th = 4.5f * (1 - u * u) + 0.6f;
            const float cx = ex + nx * 30 * u - dx * 8 * u * u, cy = ey + ny * 30 * u - dy * 8 * u * u;
            top.push_back({cx + dx * th, cy + dy * th});
            bottom.push_back({cx - dx * th * 0.6f, cy - dy * th * 0.6f});
        }
        std::vector<std::pair<float, float>> poly = top;
        poly.insert(poly.end(), bottom.rbegin(), bottom.rend());
        back.Polygon(poly, steel);
        for (size_t i = 1; i + 1 < top.size(); ++i)
            back.ThickLine(top[i].first - dx, top[i].second - dy, top[i + 1].first - dx, top[i + 1].second - dy, 1.2f,
                           steelLight);
        back.Ellipse(ex, ey, 4, 4, steelDark);   // the eye the handle goes through
    }
    {   // Shovel blade: a spade shape beyond the handle's end, shaded down its right half.
        const float ux = -0.817f, uy = -0.577f, vx = 0.577f, vy = -0.817f, ex = 58, ey = 30;
        auto P = [&](float u, float v) { return std::pair<float, float>(ex + ux * u + vx * v, ey + uy * u + vy * v); };
        back.Polygon({P(2, -9), P(2, 9), P(20, 11), P(28, 6), P(33, 0), P(28, -6), P(20, -11)}, steel);
        back.Polygon({P(2, 0), P(2, 9), P(20, 11), P(28, 6), P(33, 0)}, steelDark);
        back.Polygon({P(4, -6), P(4, -2), P(24, -3), P(22, -8)}, steelLight);
        back.ThickLine(P(0, -5).first, P(0, -5).second, P(0, 5).first, P(0, 5).second, 4, Hex(0x5a6070));   // socket
    }
    back.Outline(kInk);
    Canvas out(256, 160);
    out.Draw(back, 0, 0);
    out.Draw(c, 0, 0);
    return out;
}

Canvas LogoLight()
{
    Canvas c(256, 160);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 256; ++x) {
            const float dx = (x - 128) / 128.0f, dy = (y - 80) / 80.0f;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float ang = std::atan2(dy, dx);
            const float rays = 0.5f + 0.5f * std::cos(ang * 12);
            const float a = std::max(0.0f, 1 - d) * (0.55f + 0.45f * rays);
            if (a > 0.01f) c.Set(x, y, Hex(0xffe890, uint8_t(std::min(1.0f, a) * 200)));
        }
    return c;
}

Canvas Fire()
{
    Canvas c(8, 8);
    c.Ellipse(4, 4, 3.8f, 3.8f, Hex(0xffffff, 120));
    c.Ellipse(4, 4, 2.6f, 2.6f, kWhite);
    return c;
}

Canvas TitleOver()
{
    Canvas c(640, 138);
    // Foreground: two columns and rocky ground framing the title menu, moonlit from the right.
    Canvas g(640, 138);
    const Rgba ground = Hex(0x281a3e), groundLit = Hex(0x4a3468);
    std::vector<int> top(640);
    for (int x = 0; x < 640; ++x) {
        const int h = 40 + int(10 * std::sin(x * 0.021f) + 6 * std::sin(x * 0.07f + 1));
        top[size_t(x)] = 138 - h;
        g.Rect(x, 138 - h, 1, h, ground);
    }
    for (int x = 1; x < 640; ++x) {   // the moon catches the ridge where it faces right
        const int y = top[size_t(x)];
        g.Set(x, y, groundLit);
        if (top[size_t(x - 1)] < y) g.Rect(x, top[size_t(x - 1)], 1, y - top[size_t(x - 1)], groundLit);
    }
    for (int i = 0; i < 40; ++i) {   // stones set in the ground, lit on their upper right
        const float x = Hash01(i, 0, 61) * 640, y = 100 + Hash01(i, 1, 61) * 30;
        const float rx = 2 + Hash01(i, 2, 61) * 5, ry = 2 + Hash01(i, 3, 61) * 3;
        g.Ellipse(x, y, rx, ry, Hex(0x34244e));
        g.Ellipse(x + rx * 0.3f, y - ry * 0.35f, rx * 0.55f, ry * 0.45f, Hex(0x3e2c5a));
    }
    for (int k : {0, 1}) {
        const int x = k ? 560 : 30;
        const Rgba stone = Hex(0x3a2a58), lit = Hex(0x56407c), dark = Hex(0x2a1e44);
        g.Rect(x, 20, 50, 118, stone);
        for (int i = 0; i < 4; ++i) {   // flutes: a dark groove with a lit edge on its right
            g.Rect(x + 6 + i * 11, 28, 3, 104, dark);
            g.Rect(x + 9 + i * 11, 28, 1, 104, lit);
        }
        g.Rect(x + 46, 20, 4, 118, lit);
        g.Rect(x, 20, 2, 118, dark);
        for (int y = 52; y < 138; y += 34) g.Rect(x, y, 50, 1, dark);   // drum joints
        // Capital: a slab, a moulding, then the pediment's cap.
        g.Rect(x - 4, 22, 58, 6, Hex(0x44325e));
        g.Rect(x - 4, 27, 58, 1, dark);
        g.Rect(x - 6, 12, 62, 10, Hex(0x4a3a6a));
        g.Rect(x - 6, 12, 62, 1, lit);
        g.Rect(x + 52, 12, 4, 10, lit);
        g.Polygon({{float(x - 6), 12}, {float(x + 20), 2}, {float(x + 56), 12}}, Hex(0x4a3a6a));
        g.ThickLine(float(x + 20), 2, float(x + 56), 12, 1.2f, lit);
        // Base on the ground, and ivy climbing the inner side.
        g.Rect(x - 4, 128, 58, 10, Hex(0x44325e));
        g.Rect(x - 4, 128, 58, 1, lit);
        const int ivyX = k ? x + 2 : x + 44;
        for (int y = 60; y < 128; ++y) {
            const int wob = int(std::lround(2 * std::sin(y * 0.25f + k)));
            g.Set(ivyX + wob, y, Hex(0x2e6a3e));
            if (y % 7 == 0) g.Rect(ivyX + wob - 1, y - 1, 3, 2, Hex(0x3e8a4e));
        }
    }
    g.Outline(kInk);
    c.Draw(g, 0, 0);
    return c;
}

// The maker's mascot. It ends centred on the logo base (256 x 64), which is drawn over it
// and so hides rows 32 to 95: the face peeks out over the top edge, the hands grip that
// edge, and the feet stand out below.
Canvas ZibMonster()
{
    Canvas c(128, 128);
    const Rgba body = Hex(0x7ad04a), dark = Hex(0x4a9a2a);
    c.Polygon({{38, 20}, {26, 0}, {54, 12}}, dark);
    c.Polygon({{90, 20}, {102, 0}, {74, 12}}, dark);
    c.Ellipse(64, 68, 44, 58, body);
    c.Ellipse(64, 104, 34, 16, Shade(body, 1.15f));
    c.Ellipse(64, 21, 11, 10, kWhite);
    c.Ellipse(62, 23, 6, 6.5f, Hex(0x2a1a3a));
    c.Ellipse(59, 19, 2.5f, 2.5f, kWhite);
    c.Ellipse(30, 118, 12, 7, dark);
    c.Ellipse(98, 118, 12, 7, dark);
    for (int x : {26, 102}) {      // fingers over the base's top edge
        c.Ellipse(float(x), 32, 9, 6, Shade(body, 1.1f));
        for (int f = -1; f <= 1; ++f) c.Rect(x + f * 5, 27, 1, 5, dark);
    }
    c.EdgeShade(0.8f, 1.1f);
    c.Outline(kInk);
    return c;
}

Canvas ZibBase()
{
    Canvas c(256, 64);
    Panel(c, 8, 8, 240, 48, Hex(0x2a5a2a));
    Canvas t = Lettering("ZIB GAMES", 3, Hex(0xd8ffb0), Hex(0x7ad04a), 240, 48);
    c.Draw(t, 8, 8);
    return c;
}

Canvas Controller()
{
    Canvas c(160, 96);
    const Rgba body = Hex(0x4a4a6a), light = Hex(0x6a6a90);
    c.Ellipse(40, 52, 34, 34, body);
    c.Ellipse(120, 52, 34, 34, body);
    c.Rect(40, 24, 80, 46, body);
    c.Rect(40, 24, 80, 4, light);
    c.Rect(26, 44, 28, 9, Hex(0x2a2a3a));
    c.Rect(35, 35, 10, 27, Hex(0x2a2a3a));
    c.Ellipse(120, 36, 6, 6, Hex(0xe84848));
    c.Ellipse(134, 50, 6, 6, Hex(0x48c060));
    c.Ellipse(106, 50, 6, 6, Hex(0x4890ff));
    c.Ellipse(120, 64, 6, 6, Hex(0xf0d040));
    c.Rect(68, 46, 10, 4, Hex(0x2a2a3a));
    c.Rect(84, 46, 10, 4, Hex(0x2a2a3a));
    c.Ellipse(64, 74, 9, 9, Hex(0x2a2a3a));
    c.Ellipse(96, 74, 9, 9, Hex(0x2a2a3a));
    c.EdgeShade(0.8f, 1.15f);
    c.Outline(kInk);
    return c;
}

}  // namespace

Canvas TitleArt(const std::string& path)
{
    if (path == "title_bg.imx") return TitleBg();
    if (path == "logo.imx") return Logo();
    if (path == "logo_light.imx") return LogoLight();
    if (path == "fire.imx") return Fire();
    if (path == "title_over.imx") return TitleOver();
    if (path == "zibmonster.imx") return ZibMonster();
    if (path == "zibbase.imx") return ZibBase();
    if (path == "controller.imx") return Controller();
    return {};
}

}  // namespace zelka::assets
