// The title screen and the maker's intro.

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/Art.h"
#include "tools/assetgen/UiCommon.h"

namespace zelka::assets {

namespace {

void Stars(Canvas& c, int count, int seed, int maxY)
{
    for (int i = 0; i < count; ++i) {
        const int x = int(Hash01(i, 0, seed) * c.W()), y = int(Hash01(i, 1, seed) * maxY);
        const float b = Hash01(i, 2, seed);
        c.Set(x, y, Hex(0xffffff, uint8_t(120 + b * 135)));
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
    // Distant ruined ziggurats and maze walls.
    for (int k = 0; k < 3; ++k) {
        const float cx = 110.0f + k * 210, base = 300;
        const Rgba col = Mix(Hex(0x3a2458), Hex(0x241640), k * 0.3f);
        for (int step = 0; step < 5; ++step)
            c.Rect(int(cx - 90 + step * 16), int(base - 24 - step * 22), 180 - step * 32, 24, col);
        c.Rect(int(cx - 8), int(base - 134), 16, 22, Shade(col, 0.8f));
    }
    c.Rect(0, 300, 640, 60, Hex(0x1e1436));
    for (int x = 0; x < 640; x += 40) c.Rect(x, 296, 30, 8, Hex(0x2a1c4a));
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
    // Crossed pick and shovel behind.
    Canvas back(256, 160);
    back.ThickLine(40, 140, 210, 20, 7, Hex(0x8a5a2a));
    back.ThickLine(216, 140, 46, 20, 7, Hex(0x8a5a2a));
    back.Polygon({{30, 14}, {60, 8}, {70, 30}, {50, 36}}, Hex(0xb8c0cc));
    back.Polygon({{196, 4}, {236, 24}, {226, 32}, {202, 14}}, Hex(0xb8c0cc));
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
    // Foreground: broken columns and rocky ground framing the title menu.
    Canvas g(640, 138);
    for (int x = 0; x < 640; ++x) {
        const int h = 40 + int(10 * std::sin(x * 0.021f) + 6 * std::sin(x * 0.07f + 1));
        g.Rect(x, 138 - h, 1, h, Hex(0x281a3e));
    }
    for (int k : {0, 1}) {
        const int x = k ? 560 : 30;
        g.Rect(x, 20, 50, 118, Hex(0x3a2a58));
        for (int i = 0; i < 4; ++i) g.Rect(x + 6 + i * 11, 26, 4, 110, Hex(0x30224a));
        g.Rect(x - 6, 12, 62, 10, Hex(0x4a3a6a));
        g.Polygon({{float(x - 6), 12}, {float(x + 20), 2}, {float(x + 56), 12}}, Hex(0x4a3a6a));
    }
    for (int i = 0; i < 40; ++i) {
        const float x = Hash01(i, 0, 61) * 640, y = 100 + Hash01(i, 1, 61) * 30;
        g.Ellipse(x, y, 2 + Hash01(i, 2, 61) * 5, 2 + Hash01(i, 3, 61) * 3, Hex(0x34244e));
    }
    g.Outline(kInk);
    c.Draw(g, 0, 0);
    return c;
}

Canvas ZibMonster()
{
    Canvas c(128, 128);
    const Rgba body = Hex(0x7ad04a), dark = Hex(0x4a9a2a);
    c.Ellipse(64, 76, 46, 44, body);
    c.Ellipse(64, 96, 36, 22, Shade(body, 1.15f));
    c.Polygon({{30, 44}, {22, 8}, {48, 36}}, dark);
    c.Polygon({{98, 44}, {106, 8}, {80, 36}}, dark);
    c.Ellipse(64, 60, 20, 20, kWhite);
    c.Ellipse(60, 62, 10, 11, Hex(0x2a1a3a));
    c.Ellipse(56, 57, 4, 4, kWhite);
    c.Ellipse(64, 96, 18, 9, Hex(0x5a1a2a));
    c.Rect(48, 87, 32, 5, body);
    c.Polygon({{54, 91}, {58, 97}, {62, 91}}, kWhite);
    c.Polygon({{66, 91}, {70, 97}, {74, 91}}, kWhite);
    c.Ellipse(30, 118, 12, 7, dark);
    c.Ellipse(98, 118, 12, 7, dark);
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
