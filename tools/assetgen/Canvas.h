#pragma once

// A small RGBA raster with the drawing operations the art code needs. Straight alpha,
// 8 bits per channel; all shapes clip to the canvas.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace zelka::assets {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

inline constexpr Rgba kClear{0, 0, 0, 0};
inline constexpr Rgba kWhite{255, 255, 255, 255};
inline constexpr Rgba kBlack{0, 0, 0, 255};

// From 0xRRGGBB, opaque.
constexpr Rgba Hex(uint32_t rgb, uint8_t a = 255)
{
    return {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), a};
}

Rgba Mix(Rgba a, Rgba b, float t);          // t in 0..1, alpha mixed too
Rgba Shade(Rgba c, float f);                // f < 1 darker, > 1 lighter
Rgba WithAlpha(Rgba c, int a);

// Deterministic hash noise in 0..1 for pixel (x, y) and a seed.
float Hash01(int x, int y, int seed);

// One colour per template character; ' ' and '.' are always transparent.
struct Palette {
    std::vector<std::pair<char, Rgba>> entries;
    Palette(std::initializer_list<std::pair<char, Rgba>> list) : entries(list) {}
    bool Find(char ch, Rgba& out) const;
};

class Canvas {
public:
    Canvas() = default;
    Canvas(int w, int h, Rgba fill = kClear);

    int W() const { return w_; }
    int H() const { return h_; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    Rgba Get(int x, int y) const { return Inside(x, y) ? px_[size_t(y) * w_ + x] : kClear; }
    void Set(int x, int y, Rgba c) { if (Inside(x, y)) px_[size_t(y) * w_ + x] = c; }
    void Blend(int x, int y, Rgba c);       // source-over
    const std::vector<Rgba>& Pixels() const { return px_; }

    void Fill(Rgba c);
    void Rect(int x, int y, int w, int h, Rgba c);
    void BlendRect(int x, int y, int w, int h, Rgba c);
    void Frame(int x, int y, int w, int h, Rgba c);   // 1-px rectangle outline
    void Line(int x0, int y0, int x1, int y1, Rgba c);
    void ThickLine(float x0, float y0, float x1, float y1, float width, Rgba c);
    void Ellipse(float cx, float cy, float rx, float ry, Rgba c);
    void EllipseRing(float cx, float cy, float rx, float ry, float thickness, Rgba c);
    void Polygon(const std::vector<std::pair<float, float>>& pts, Rgba c);
    void VGradient(int x, int y, int w, int h, Rgba top, Rgba bottom);
    // Rows of a text template drawn with (x, y) as the top-left corner.
    void Template(int x, int y, const std::vector<std::string>& rows, const Palette& pal, bool flipX = false);

    // Copies src over this canvas (source-over) at (x, y), optionally mirrored.
    void Draw(const Canvas& src, int x, int y, bool flipX = false, bool flipY = false);
    Canvas Crop(int x, int y, int w, int h) const;
    Canvas Scaled(int factor) const;        // nearest neighbour
    Canvas ScaledTo(int w, int h) const;    // nearest neighbour
    Canvas Flipped() const;

    // A 1-px outline in c around every opaque pixel, outside the shape (8-neighbourhood
    // when diagonal is set).
    void Outline(Rgba c, bool diagonal = false);
    // Darkens the lower-right edge and lightens the upper-left edge of the opaque shape.
    void EdgeShade(float dark = 0.7f, float light = 1.25f);
    // Replaces every opaque pixel of colour from with to.
    void Recolour(Rgba from, Rgba to);
    // Every opaque pixel takes colour c, keeping its alpha.
    void Tint(Rgba c);
    void MultiplyAlpha(float f);

private:
    int w_ = 0, h_ = 0;
    std::vector<Rgba> px_;
};

// PNG bytes of the canvas (RGBA, 8 bit, deterministic).
std::vector<uint8_t> EncodePng(const Canvas& c);

}  // namespace zelka::assets
