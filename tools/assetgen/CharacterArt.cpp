#include <cmath>
#include <string>

#include "tools/assetgen/Art.h"
#include "tools/assetgen/Manifest.h"

namespace zelka::assets {

namespace {

constexpr float kPi = 3.14159265f;

enum class HairStyle { Ponytail, Beard, Hood, Pigtails, Slick, Ghost };
enum class Hat { None, Goggles, Tricorn, NinjaHood, ArcherHood, TopHat, Wizard };

struct Style {
    Rgba skin, hair, top, pants, boots, accent, eye;
    HairStyle hairStyle;
    Hat hat;
    int legH, torsoH, bodyHalfW;
    float headR;
    bool coat = false;     // coat tails over the legs
    bool scarf = false;
    bool quiver = false;
};

// Roster order: mira, brak, sable, wren, gc0 (Gravo), gc1 (Nella), gc2 (Oska).
const Style& StyleOf(int id)
{
    static const Style styles[] = {
        {Hex(0xf2c29b), Hex(0xd2552d), Hex(0x2f9c95), Hex(0xc9a66b), Hex(0x6b3e26), Hex(0xf3c845), Hex(0x2a1a3a),
         HairStyle::Ponytail, Hat::Goggles, 5, 10, 6, 8.0f},
        {Hex(0xe9b48a), Hex(0x2a2230), Hex(0xb8312f), Hex(0x3b3350), Hex(0x2b1d14), Hex(0xf0c040), Hex(0x1a1020),
         HairStyle::Beard, Hat::Tricorn, 5, 12, 8, 8.0f, true},
        {Hex(0xe8c2a8), Hex(0x3a2350), Hex(0x3d2c5e), Hex(0x2a2040), Hex(0x1e1830), Hex(0xd13a6a), Hex(0xf04070),
         HairStyle::Hood, Hat::NinjaHood, 5, 10, 6, 8.0f, false, true},
        {Hex(0xf0c8a0), Hex(0xf2d36b), Hex(0x8a5a32), Hex(0x4a6b2a), Hex(0x5a3a20), Hex(0x4caf50), Hex(0x1c3a20),
         HairStyle::Slick, Hat::ArcherHood, 5, 10, 6, 8.0f, false, false, true},
        {Hex(0x9fb592), Hex(0x4a4a4a), Hex(0x4a3b5c), Hex(0x3a3242), Hex(0x2a2228), Hex(0xc0a060), Hex(0xf4e04a),
         HairStyle::Slick, Hat::TopHat, 7, 15, 10, 7.0f, true},
        {Hex(0xfad2b4), Hex(0xff7eb6), Hex(0xffd23f), Hex(0x5fa8ff), Hex(0xe0506a), Hex(0xffffff), Hex(0x3a2040),
         HairStyle::Pigtails, Hat::None, 4, 8, 5, 9.0f},
        {Hex(0xe4e0ff), Hex(0xe4e0ff), Hex(0xc8c0f8), Hex(0xc8c0f8), Hex(0xc8c0f8), Hex(0x5a6af0), Hex(0x241a48),
         HairStyle::Ghost, Hat::Wizard, 0, 0, 8, 9.0f},
    };
    return styles[id];
}

enum Dir { kDown, kUp, kLeft, kRight };

void Limb(Canvas& c, int x, int y, int w, int h, Rgba col)
{
    if (h > 0) c.Rect(x, y, w, h, col);
}

void DrawHat(Canvas& c, const Style& s, Dir dir, float cx, float hy, float r)
{
    switch (s.hat) {
    case Hat::Goggles:
        if (dir == kUp) { c.Rect(int(cx - r), int(hy - 4), int(2 * r), 2, Hex(0x5a3a20)); break; }
        c.Rect(int(cx - r + 1), int(hy - 5), int(2 * r - 2), 2, Hex(0x5a3a20));
        if (dir == kDown) {
            c.Ellipse(cx - 3.5f, hy - 5, 2.6f, 2.2f, s.accent);
            c.Ellipse(cx + 3.5f, hy - 5, 2.6f, 2.2f, s.accent);
            c.Set(int(cx - 4), int(hy - 6), kWhite);
            c.Set(int(cx + 3), int(hy - 6), kWhite);
        } else {
            c.Ellipse(cx - 4, hy - 5, 2.6f, 2.2f, s.accent);
            c.Set(int(cx - 5), int(hy - 6), kWhite);
        }
        break;
    case Hat::Tricorn: {
        const Rgba hat = Hex(0x231c2c);
        c.Polygon({{cx - 12, hy - 3}, {cx - 6, hy - 12}, {cx + 6, hy - 12}, {cx + 12, hy - 3}, {cx, hy - 6}}, hat);
        c.Line(int(cx - 11), int(hy - 4), int(cx), int(hy - 7), s.accent);
        c.Line(int(cx), int(hy - 7), int(cx + 11), int(hy - 4), s.accent);
        if (dir == kDown) {
            c.Rect(int(cx - 1), int(hy - 10), 3, 3, kWhite);
            c.Set(int(cx), int(hy - 9), hat);
        }
        break;
    }
    case Hat::TopHat: {
        const Rgba hat = Hex(0x1f1a24);
        c.Rect(int(cx - 10), int(hy - r + 1), 20, 3, hat);
        c.Rect(int(cx - 6), int(hy - r - 9), 12, 11, hat);
        c.Rect(int(cx - 6), int(hy - r - 1), 12, 2, s.accent);
        c.Rect(int(cx - 4), int(hy - r - 8), 2, 6, Hex(0x3a3440));
        break;
    }
    case Hat::Wizard: {
        const Rgba hat = s.accent;
        c.Polygon({{cx - 10, hy - 4}, {cx + 10, hy - 4}, {cx + 2, hy - 14}, {cx + 6, hy - 19}, {cx - 1, hy - 15}}, hat);
        c.Rect(int(cx - 10), int(hy - 5), 20, 2, Shade(hat, 0.7f));
        c.Set(int(cx - 2), int(hy - 9), Hex(0xfff27a));
        c.Set(int(cx + 2), int(hy - 7), Hex(0xfff27a));
        break;
    }
    default:
        break;
    }
}

// Head at (cx, hy) radius r; facing by dir.
void DrawHead(Canvas& c, const Style& s, Dir dir, float cx, float hy, float r)
{
    const bool side = dir == kLeft;
    switch (s.hairStyle) {
    case HairStyle::Hood: {
        c.Ellipse(cx, hy, r + 1, r + 0.5f, s.hair);
        c.Polygon({{cx - 3, hy - r}, {cx + 4, hy - r - 4}, {cx + 3, hy - r + 2}}, s.hair);
        if (dir == kDown) {
            c.Rect(int(cx - r + 2), int(hy), int(2 * r - 3), 4, s.skin);
            c.Rect(int(cx - 4), int(hy + 1), 2, 2, s.eye);
            c.Rect(int(cx + 2), int(hy + 1), 2, 2, s.eye);
        } else if (side) {
            c.Rect(int(cx - r), int(hy), int(r), 4, s.skin);
            c.Rect(int(cx - r + 1), int(hy + 1), 2, 2, s.eye);
        }
        c.Rect(int(cx - r), int(hy + 4), int(2 * r + 1), 2, s.accent);
        return;
    }
    case HairStyle::Ghost:
        return;   // the ghost's head is its body
    default:
        break;
    }
    if (s.hat == Hat::ArcherHood) c.Ellipse(cx + (side ? 1 : 0), hy - 0.5f, r + 1.5f, r + 1, s.accent);
    c.Ellipse(cx, hy, r, r * 0.95f, s.hair);
    if (s.hat == Hat::ArcherHood && dir != kDown) {
        c.Ellipse(cx + (side ? 1 : 0), hy - 0.5f, r + 1.5f, r + 1, s.accent);
        if (side) c.Polygon({{cx + 4, hy - r}, {cx + r + 6, hy - 2}, {cx + r, hy + 3}}, s.accent);
    }
    if (dir == kUp) {
        if (s.hairStyle == HairStyle::Ponytail) c.Ellipse(cx, hy + r, 2.5f, 4, s.hair);
        if (s.hairStyle == HairStyle::Pigtails) {
            c.Ellipse(cx - r - 1, hy + 1, 3, 4, s.hair);
            c.Ellipse(cx + r + 1, hy + 1, 3, 4, s.hair);
        }
        return;
    }
    const float fx = side ? cx - 2 : cx;
    c.Ellipse(fx, hy + 2, r - (side ? 2.5f : 1.5f), r - 2.5f, s.skin);
    // Fringe: a hair band across the top of the face.
    c.Rect(int(fx - r + 2), int(hy - r + 3), int(2 * r - 4), 3, s.hair);
    if (side) {
        c.Rect(int(cx - r + 1), int(hy + 1), 2, 3, s.eye);
        c.Set(int(cx - r), int(hy + 3), Shade(s.skin, 0.85f));
        c.Ellipse(cx + 2, hy + 1, 3, 4, s.hair);
    } else {
        c.Rect(int(cx - 4), int(hy + 1), 2, 3, s.eye);
        c.Rect(int(cx + 2), int(hy + 1), 2, 3, s.eye);
        c.Set(int(cx - 4), int(hy + 1), kWhite);
        c.Set(int(cx + 2), int(hy + 1), kWhite);
        c.Set(int(cx - 5), int(hy + 4), Hex(0xf08a8a));
        c.Set(int(cx + 4), int(hy + 4), Hex(0xf08a8a));
    }
    if (s.hairStyle == HairStyle::Beard) {
        if (side) c.Ellipse(cx - 3, hy + 6, 4, 3.5f, s.hair);
        else c.Ellipse(cx, hy + 6, 6, 3.5f, s.hair);
    }
    if (s.hairStyle == HairStyle::Pigtails) {
        c.Ellipse(cx + (side ? 3 : -r - 1), hy + 1, 3, 4, s.hair);
        if (!side) c.Ellipse(cx + r + 1, hy + 1, 3, 4, s.hair);
    }
    if (s.hairStyle == HairStyle::Ponytail && side) c.Ellipse(cx + r, hy + 2, 2.5f, 4, s.hair);
    if (s.hat == Hat::ArcherHood) c.Rect(int(fx - r + 1), int(hy - r + 2), int(2 * r - 2), 2, s.accent);
}

void DrawGhost(Canvas& c, const Style& s, Dir dir, float t, int h)
{
    const float cx = 16;
    const float bob = std::round(std::sin(t));
    const float cy = h - 17 + bob;
    c.Ellipse(cx, cy, 9, 9, s.skin);
    c.Rect(int(cx - 9), int(cy), 18, 7, s.skin);
    for (int i = 0; i < 4; ++i) {   // wavy hem, animated
        const float wave = std::sin(t * 1 + i * 1.7f) * 1.5f;
        c.Ellipse(cx - 6.75f + i * 4.5f, cy + 7 + wave * 0.5f, 2.4f, 2.5f + wave * 0.3f, s.skin);
    }
    c.Rect(int(cx - 9), int(cy + 2), 18, 2, s.top);
    if (dir == kDown) {
        c.Ellipse(cx - 3.5f, cy - 1, 1.8f, 2.6f, s.eye);
        c.Ellipse(cx + 3.5f, cy - 1, 1.8f, 2.6f, s.eye);
        c.Set(int(cx - 4), int(cy - 3), kWhite);
        c.Set(int(cx + 3), int(cy - 3), kWhite);
        c.Rect(int(cx - 1), int(cy + 3), 2, 2, s.eye);
    } else if (dir == kLeft) {
        c.Ellipse(cx - 6, cy - 1, 1.6f, 2.6f, s.eye);
        c.Set(int(cx - 6), int(cy - 3), kWhite);
        c.Ellipse(cx + 9, cy + 5, 3, 2, s.skin);   // trailing wisp
    }
    DrawHat(c, s, dir, cx, cy - 4, 9);
}

// One walking pose in a 32 x h cell. t is the walk phase in radians.
Canvas WalkerFrame(int id, int h, Dir dir, float t)
{
    const Style& s = StyleOf(id);
    Canvas c(32, h);
    const bool mirror = dir == kRight;
    const Dir d = mirror ? kLeft : dir;
    if (s.hairStyle == HairStyle::Ghost) {
        DrawGhost(c, s, d, t, h);
    } else {
        const float sw = std::sin(t);
        const int bob = std::fabs(sw) > 0.6f ? 1 : 0;
        const float cx = 16;
        const int feet = h - 2;
        const int hip = feet - s.legH;
        const int top = hip - s.torsoH - bob;
        const float hy = top - s.headR + 2;
        const int bw = d == kLeft ? s.bodyHalfW - 1 : s.bodyHalfW;
        const Rgba skinDark = Shade(s.skin, 0.85f);
        // Behind the body: scarf tail, quiver.
        if (s.scarf && d != kDown) {
            const float wave = std::sin(t * 2) * 1.5f;
            if (d == kLeft) c.Polygon({{cx + 2, float(top + 1)}, {cx + 13, top + 4 + wave}, {cx + 12, top + 7 + wave}, {cx + 2, float(top + 4)}}, s.accent);
            else c.Rect(int(cx + 1), top + 1, 3, s.torsoH + 2, s.accent);
        }
        if (s.quiver && d != kDown) {
            const int qx = d == kLeft ? int(cx + 3) : int(cx + 2);
            c.Rect(qx, top - 4, 4, s.torsoH + 1, Hex(0x7a4a22));
            for (int i = 0; i < 3; ++i) c.Rect(qx + i, top - 7 + (i % 2), 1, 3, Hex(0xf4f0e0));
        }
        // Legs.
        if (d == kLeft) {
            const int stride = int(std::round(2.5f * sw));
            Limb(c, int(cx - 3 + stride), hip, 3, s.legH, Shade(s.pants, 0.8f));
            Limb(c, int(cx - 1 - stride), hip, 3, s.legH, s.pants);
            c.Rect(int(cx - 4 + stride), feet - 1, 4, 2, Shade(s.boots, 0.8f));
            c.Rect(int(cx - 2 - stride), feet - 1, 4, 2, s.boots);
        } else {
            const int liftL = std::max(0, int(std::round(1.6f * sw)));
            const int liftR = std::max(0, int(std::round(-1.6f * sw)));
            Limb(c, int(cx - 4), hip, 3, s.legH - liftL, s.pants);
            Limb(c, int(cx + 1), hip, 3, s.legH - liftR, s.pants);
            c.Rect(int(cx - 5), feet - 1 - liftL, 4, 2, s.boots);
            c.Rect(int(cx + 1), feet - 1 - liftR, 4, 2, s.boots);
        }
        // Torso and coat.
        c.Rect(int(cx - bw), top, 2 * bw, s.torsoH, s.top);
        c.Rect(int(cx - bw + 1), top - 1, 2 * bw - 2, 1, s.top);
        if (s.coat) {
            c.Rect(int(cx - bw), hip, 2 * bw, s.legH / 2 + 1, Shade(s.top, 0.85f));
            if (d == kDown) c.Rect(int(cx - 1), hip - 3, 2, s.legH / 2 + 4, Shade(s.top, 0.6f));
        }
        c.Rect(int(cx - bw), hip - 3, 2 * bw, 2, Shade(s.pants, 0.7f));
        if (d == kDown) {
            c.Set(int(cx), hip - 3, s.accent);
            c.Set(int(cx - 1), hip - 3, s.accent);
            if (s.quiver) c.Line(int(cx - bw), top + 1, int(cx + bw - 1), hip - 4, Hex(0x7a4a22));
            if (s.hat == Hat::TopHat) c.Rect(int(cx - 2), top, 4, 4, Hex(0xe8e0d0));
        }
        // Arms swing against the legs.
        const int swing = int(std::round(1.5f * sw));
        if (d == kLeft) {
            Limb(c, int(cx - 2 - swing), top + 1, 3, s.torsoH - 3, Shade(s.top, 0.8f));
            c.Rect(int(cx - 2 - swing), top + s.torsoH - 2, 3, 2, skinDark);
        } else {
            Limb(c, int(cx - bw - 2), top + 1 + swing, 2, s.torsoH - 3, Shade(s.top, 0.85f));
            Limb(c, int(cx + bw), top + 1 - swing, 2, s.torsoH - 3, Shade(s.top, 0.85f));
            c.Rect(int(cx - bw - 2), top + s.torsoH - 2 + swing, 2, 2, skinDark);
            c.Rect(int(cx + bw), top + s.torsoH - 2 - swing, 2, 2, skinDark);
        }
        if (s.scarf && d == kDown) c.Rect(int(cx - bw), top, 2 * bw, 2, s.accent);
        DrawHead(c, s, d, cx, hy, s.headR);
        DrawHat(c, s, d, cx, hy - s.headR + 5, s.headR);
    }
    c.EdgeShade(0.78f, 1.12f);
    c.Outline(kInk);
    return mirror ? c.Flipped() : c;
}

// Frame order per roster entry: for each tile, its direction and phase.
Canvas SpriteSheet(int id)
{
    const CharacterInfo& info = Characters()[id];
    Canvas sheet(32 * info.tiles, info.frameH);
    auto put = [&](int tile, Dir dir, int step, int steps) {
        sheet.Draw(WalkerFrame(id, info.frameH, dir, 2 * kPi * step / steps), tile * 32, 0);
    };
    if (id == 1) {   // 2-frame sides, 3-frame up/down played 0,1,2,1
        put(0, kRight, 1, 4); put(1, kRight, 3, 4);
        put(2, kLeft, 1, 4);  put(3, kLeft, 3, 4);
        put(4, kUp, 1, 4);    put(5, kUp, 0, 4);   put(6, kUp, 3, 4);
        put(7, kDown, 1, 4);  put(8, kDown, 0, 4); put(9, kDown, 3, 4);
    } else if (id == 4) {   // tile 0 unused; 4 frames per direction
        put(0, kDown, 0, 4);
        for (int i = 0; i < 4; ++i) {
            put(1 + i, kDown, i, 4);
            put(5 + i, kRight, i, 4);
            put(9 + i, kLeft, i, 4);
            put(13 + i, kUp, i, 4);
        }
    } else {
        const bool miraOrder = id == 0;   // mira: DOWN, RIGHT, LEFT, UP; others: DOWN, RIGHT, UP, LEFT
        const Dir order[4] = {kDown, kRight, miraOrder ? kLeft : kUp, miraOrder ? kUp : kLeft};
        for (int b = 0; b < 4; ++b)
            for (int i = 0; i < 6; ++i) put(b * 6 + i, order[b], i, 6);
    }
    return sheet;
}

enum class Mood { Neutral, Win, Lose };

// A bust in low resolution, head centred at (cx, cy) with radius r, looking left.
void DrawBust(Canvas& c, int id, float cx, float cy, float r, Mood mood)
{
    const Style& s = StyleOf(id);
    const float u = r / 28.0f;
    auto P = [&](float x, float y) { return std::pair<float, float>(cx + x * u, cy + y * u); };
    const Rgba topDark = Shade(s.top, 0.75f);
    const bool ghost = s.hairStyle == HairStyle::Ghost;
    // Shoulders and chest, drawn apart so they can be given volume: the far side (right,
    // as the bust looks left) falls into shade.
    Canvas body(c.W(), c.H());
    float halfW;
    if (ghost) {
        halfW = 34 * u;
        body.Ellipse(cx, cy + 10 * u, 34 * u, 40 * u, s.skin);
        body.Rect(int(cx - 34 * u), int(cy + 10 * u), int(68 * u), int(62 * u), s.skin);
        for (int i = 0; i < 5; ++i)
            body.Ellipse(cx - 27 * u + i * 13.5f * u, cy + 72 * u, 7 * u, 9 * u, s.skin);
    } else {
        const float sw = 40 + s.bodyHalfW * 1.5f;
        halfW = sw * u;
        body.Polygon({P(-sw, 130), P(-sw + 4, 62), P(-14, 44), P(14, 44), P(sw - 4, 62), P(sw, 130)}, s.top);
        // The near arm's sleeve seam, curving down from the shoulder.
        body.ThickLine(cx + (-sw + 15) * u, cy + 64 * u, cx + (-sw + 19) * u, cy + 130 * u, 1.6f * u, topDark);
        if (s.coat) {
            body.Polygon({P(-16, 46), P(-2, 130), P(-10, 130), P(-26, 56)}, topDark);
            body.Polygon({P(16, 46), P(2, 130), P(10, 130), P(26, 56)}, topDark);
            for (int i = 0; i < 3; ++i) body.Ellipse(cx - 8 * u, cy + (74 + i * 16) * u, 2.5f * u, 2.5f * u, s.accent);
        }
        if (s.hat == Hat::Goggles) {   // a satchel strap across the chest
            body.ThickLine(cx + 22 * u, cy + 50 * u, cx - 26 * u, cy + 130 * u, 5 * u, Hex(0x6b3e26));
            body.ThickLine(cx + 22 * u, cy + 50 * u, cx - 26 * u, cy + 130 * u, 1.2f * u, Hex(0x8a5a36));
            body.Rect(int(cx - 4 * u), int(cy + 86 * u), int(7 * u), int(7 * u), s.accent);
        }
        if (id == 5) {   // raincoat buttons and collar
            body.Polygon({P(-16, 44), P(0, 58), P(16, 44), P(12, 54), P(0, 64), P(-12, 54)}, Shade(s.top, 1.2f));
            for (int i = 0; i < 3; ++i) body.Ellipse(cx, cy + (76 + i * 16) * u, 3 * u, 3 * u, s.pants);
        }
    }
    for (int y = 0; y < body.H(); ++y)
        for (int x = 0; x < body.W(); ++x) {
            Rgba px = body.Get(x, y);
            if (!px.a) continue;
            const float rel = (x + 0.5f - cx) / halfW;   // -1 near edge .. 1 far edge
            const float down = (y + 0.5f - cy) / (130 * u);   // 0 at the head's centre .. 1 at the bottom
            // The shade's edge leans out as the body widens.
            if (rel > 0.36f + 0.14f * down) px = Shade(px, 0.8f);
            body.Set(x, y, px);
        }
    c.Draw(body, 0, 0);
    if (!ghost) {
        // Neck, with the chin's shadow across its top.
        c.Rect(int(cx - 9 * u), int(cy + 20 * u), int(18 * u), int(26 * u), Shade(s.skin, 0.9f));
        c.Rect(int(cx - 9 * u), int(cy + 26 * u), int(18 * u), int(8 * u), Shade(s.skin, 0.76f));
        c.Polygon({P(-14, 44), P(0, 62), P(14, 44)}, Shade(s.skin, 0.9f));
        if (s.scarf) c.Polygon({P(-20, 42), P(20, 42), P(24, 56), P(30, 96), P(18, 96), P(12, 58), P(-18, 58)}, s.accent);
        if (s.quiver) {
            c.ThickLine(cx - 30 * u, cy + 56 * u, cx + 22 * u, cy + 130 * u, 5 * u, Hex(0x7a4a22));
            for (int i = 0; i < 3; ++i)
                c.ThickLine(cx + (24 + i * 5) * u, cy + 40 * u, cx + (30 + i * 5) * u, cy + 20 * u, 2.5f * u, Hex(0xf4f0e0));
        }
    }
    if (mood == Mood::Win) {   // a raised fist on the far side
        const Rgba arm = ghost ? s.skin : s.top;
        c.ThickLine(cx + 34 * u, cy + 70 * u, cx + 40 * u, cy + 10 * u, 13 * u, arm);
        c.Ellipse(cx + 40 * u, cy + 4 * u, 8 * u, 8 * u, s.skin);
    }
    // Head.
    if (ghost) {
        c.Ellipse(cx, cy, r * 1.15f, r * 1.1f, s.skin);
    } else {
        if (s.hat == Hat::ArcherHood || s.hairStyle == HairStyle::Hood) {
            const Rgba hood = s.hairStyle == HairStyle::Hood ? s.hair : s.accent;
            c.Ellipse(cx + 3 * u, cy - 2 * u, r * 1.2f, r * 1.2f, hood);
            c.Polygon({P(10, -30), P(44, -6), P(26, 10)}, hood);
        }
        if (s.hairStyle == HairStyle::Ponytail) c.Ellipse(cx + 30 * u, cy + 8 * u, 9 * u, 18 * u, s.hair);
        if (s.hairStyle == HairStyle::Pigtails) {
            c.Ellipse(cx - 30 * u, cy - 6 * u, 11 * u, 11 * u, s.hair);
            c.Ellipse(cx + 30 * u, cy - 6 * u, 11 * u, 11 * u, s.hair);
        }
        if (s.hairStyle != HairStyle::Hood) {
            c.Ellipse(cx, cy, r, r * 1.05f, s.skin);
            // Hair cap over the top and back, leaving the face turned left.
            c.Polygon({P(-28, -6), P(-24, -22), P(-8, -31), P(12, -30), P(26, -18), P(29, 4), P(24, 14), P(16, -4),
                       P(0, -14), P(-16, -12)}, s.hair);
            c.ThickLine(cx - 21 * u, cy - 17 * u, cx - 6 * u, cy - 26 * u, 2.2f * u, Shade(s.hair, 1.3f));
        } else {
            // Hooded and masked: only a band round the eyes shows.
            c.Ellipse(cx, cy, r, r * 1.05f, s.hair);
            c.Rect(int(cx - 27 * u), int(cy - 8 * u), int(40 * u), int(19 * u), s.skin);
            c.Rect(int(cx - 28 * u), int(cy + 11 * u), int(50 * u), int(4 * u), s.accent);
        }
    }
    // Face features, shifted left for the three-quarter view.
    const float ey = cy + (ghost ? -2 : 2) * u;
    const float e1 = cx - 16 * u, e2 = cx + 2 * u;
    const bool masked = s.hairStyle == HairStyle::Hood;
    if (mood == Mood::Win) {
        for (float ex : {e1, e2}) {
            c.ThickLine(ex - 4 * u, ey + 1 * u, ex, ey - 3 * u, 2.2f * u, s.eye);
            c.ThickLine(ex, ey - 3 * u, ex + 4 * u, ey + 1 * u, 2.2f * u, s.eye);
        }
        if (!masked) {
            c.Ellipse(cx - 8 * u, cy + 16 * u, 8 * u, 6 * u, Hex(0x7a2030));
            c.Rect(int(cx - 16 * u), int(cy + 10 * u), int(16 * u), int(6 * u), s.skin);
            c.Ellipse(cx - 8 * u, cy + 19 * u, 4 * u, 2 * u, Hex(0xf07080));
        }
    } else {
        for (float ex : {e1, e2}) {
            c.Ellipse(ex, ey, 4.5f * u, 5.5f * u, kWhite);
            c.Ellipse(ex - 1.5f * u, ey + 0.5f * u, 3 * u, 4 * u, s.eye);
            c.Ellipse(ex - 2 * u, ey - 1.5f * u, 1.2f * u, 1.2f * u, kWhite);
        }
        if (mood == Mood::Lose) {
            c.ThickLine(e1 - 6 * u, ey - 6 * u, e1 + 5 * u, ey - 9 * u, 2 * u, Shade(s.hair, 0.7f));
            c.ThickLine(e2 - 5 * u, ey - 9 * u, e2 + 6 * u, ey - 6 * u, 2 * u, Shade(s.hair, 0.7f));
            c.Rect(int(e1 - 5 * u), int(ey - 6 * u), int(10 * u), int(3 * u), s.skin);
            c.Rect(int(e2 - 5 * u), int(ey - 6 * u), int(10 * u), int(3 * u), s.skin);
            if (!masked) {
                c.ThickLine(cx - 14 * u, cy + 18 * u, cx - 8 * u, cy + 15 * u, 2 * u, Hex(0x7a2030));
                c.ThickLine(cx - 8 * u, cy + 15 * u, cx - 2 * u, cy + 18 * u, 2 * u, Hex(0x7a2030));
            }
            c.Ellipse(cx + 20 * u, cy - 14 * u, 3 * u, 4.5f * u, Hex(0x9ad8ff));
        } else {
            c.ThickLine(e1 - 5 * u, ey - 8 * u, e1 + 4 * u, ey - 9 * u, 2 * u, Shade(s.hair, 0.7f));
            c.ThickLine(e2 - 4 * u, ey - 9 * u, e2 + 5 * u, ey - 8 * u, 2 * u, Shade(s.hair, 0.7f));
            if (!masked) c.ThickLine(cx - 14 * u, cy + 16 * u, cx - 4 * u, cy + 17 * u, 2 * u, Hex(0x7a2030));
        }
    }
    if (!ghost && !masked) {
        c.Ellipse(e1 - 2 * u, cy + 10 * u, 3 * u, 2 * u, Hex(0xf09a9a, 180));
        c.Ellipse(e2 + 6 * u, cy + 10 * u, 3 * u, 2 * u, Hex(0xf09a9a, 180));
    }
    if (s.hairStyle == HairStyle::Beard) {
        c.Polygon({P(-26, 6), P(-18, 26), P(-4, 34), P(14, 30), P(24, 10), P(14, 14), P(-2, 22), P(-14, 20)}, s.hair);
        c.Rect(int(cx - 12 * u), int(cy + 16 * u), int(10 * u), int(3 * u), Hex(0x7a2030));
    }
    if (id == 4) {   // stitches across the cheek
        c.ThickLine(cx - 6 * u, cy + 4 * u, cx + 14 * u, cy + 10 * u, 1.5f * u, Hex(0x3a4a30));
        for (int i = 0; i < 4; ++i)
            c.ThickLine(cx + (-4 + i * 5.5f) * u, cy + (1.5f + i * 1.7f) * u, cx + (-2 + i * 5.5f) * u, cy + (8 + i * 1.7f) * u, 1.2f * u, Hex(0x3a4a30));
    }
    // Hats.
    switch (s.hat) {
    case Hat::Goggles:
        c.Rect(int(cx - 28 * u), int(cy - 20 * u), int(56 * u), int(5 * u), Hex(0x5a3a20));
        c.Ellipse(cx - 14 * u, cy - 18 * u, 8 * u, 7 * u, Hex(0x5a3a20));
        c.Ellipse(cx + 4 * u, cy - 18 * u, 8 * u, 7 * u, Hex(0x5a3a20));
        c.Ellipse(cx - 14 * u, cy - 18 * u, 5.5f * u, 4.5f * u, s.accent);
        c.Ellipse(cx + 4 * u, cy - 18 * u, 5.5f * u, 4.5f * u, s.accent);
        c.Ellipse(cx - 16 * u, cy - 20 * u, 1.8f * u, 1.5f * u, kWhite);
        c.Ellipse(cx + 2 * u, cy - 20 * u, 1.8f * u, 1.5f * u, kWhite);
        break;
    case Hat::Tricorn:
        c.Polygon({P(-44, -14), P(-24, -50), P(24, -50), P(44, -14), P(0, -26)}, Hex(0x231c2c));
        c.ThickLine(cx - 42 * u, cy - 15 * u, cx, cy - 27 * u, 2.5f * u, s.accent);
        c.ThickLine(cx, cy - 27 * u, cx + 42 * u, cy - 15 * u, 2.5f * u, s.accent);
        c.Ellipse(cx - 2 * u, cy - 40 * u, 6 * u, 5 * u, kWhite);
        c.Rect(int(cx - 5 * u), int(cy - 37 * u), int(6 * u), int(4 * u), kWhite);
        c.Ellipse(cx - 4 * u, cy - 41 * u, 1.5f * u, 1.5f * u, Hex(0x231c2c));
        c.Ellipse(cx + 0.5f * u, cy - 41 * u, 1.5f * u, 1.5f * u, Hex(0x231c2c));
        break;
    case Hat::TopHat:
        c.Rect(int(cx - 36 * u), int(cy - 24 * u), int(72 * u), int(7 * u), Hex(0x1f1a24));
        c.Rect(int(cx - 22 * u), int(cy - 62 * u), int(44 * u), int(40 * u), Hex(0x1f1a24));
        c.Rect(int(cx - 22 * u), int(cy - 32 * u), int(44 * u), int(7 * u), s.accent);
        c.Rect(int(cx - 16 * u), int(cy - 58 * u), int(5 * u), int(22 * u), Hex(0x3a3440));
        break;
    case Hat::Wizard:
        c.Polygon({P(-40, -22), P(40, -22), P(12, -56), P(30, -78), P(0, -60)}, s.accent);
        c.Rect(int(cx - 40 * u), int(cy - 26 * u), int(80 * u), int(6 * u), Shade(s.accent, 0.7f));
        c.Ellipse(cx - 4 * u, cy - 38 * u, 2.5f * u, 2.5f * u, Hex(0xfff27a));
        c.Ellipse(cx + 10 * u, cy - 46 * u, 2 * u, 2 * u, Hex(0xfff27a));
        break;
    default:
        break;
    }
}

// A bust at half resolution, doubled, shaded and outlined.
Canvas BustImage(int id, int w, int h, Mood mood)
{
    Canvas low(w / 2, h / 2);
    const float r = 25;
    const float cx = w / 4.0f + 2;
    const float cy = (mood == Mood::Lose ? 84 : 76) * (h / 2) / 180.0f;
    DrawBust(low, id, cx, cy, r, mood);
    low.EdgeShade(0.8f, 1.1f);
    low.Outline(kInk);
    if (mood == Mood::Lose)
        for (int y = 0; y < low.H(); ++y)
            for (int x = 0; x < low.W(); ++x) {
                Rgba p = low.Get(x, y);
                if (p.a) low.Set(x, y, Mix(p, Hex(0x40406a, p.a), 0.25f));
            }
    return low.Scaled(2);
}

Canvas FaceImage(int id)
{
    Canvas low(36, 36);
    DrawBust(low, id, 18, 20, 11.5f, Mood::Neutral);
    low.EdgeShade(0.8f, 1.1f);
    low.Outline(kInk);
    Canvas out(64, 64);
    out.Draw(low.Crop(2, 2, 32, 32).Scaled(2), 0, 0);
    return out;
}

}  // namespace

Canvas CharacterArt(const std::string& path)
{
    const auto& roster = Characters();
    for (size_t id = 0; id < roster.size(); ++id) {
        const std::string dir = std::string(roster[id].key) + "/";
        if (path.rfind(dir, 0) != 0) continue;
        const std::string file = path.substr(dir.size());
        if (file == "sprite.imx") return SpriteSheet(int(id));
        if (file == "face.imx") return FaceImage(int(id));
        if (file == "portrait.imx") return BustImage(int(id), 200, 360, Mood::Neutral);
        if (file == "win.imx") return BustImage(int(id), 212, 360, Mood::Win);
        if (file == "lose.imx") return BustImage(int(id), 212, 360, Mood::Lose);
    }
    return {};
}

}  // namespace zelka::assets
