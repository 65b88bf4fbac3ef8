#include "tools/assetgen/Canvas.h"

#include <algorithm>
#include <cmath>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

namespace zelka::assets {

namespace {

uint8_t Clamp8(float v) { return uint8_t(std::clamp(v + 0.5f, 0.0f, 255.0f)); }

}  // namespace

Rgba Mix(Rgba a, Rgba b, float t)
{
    auto m = [t](uint8_t x, uint8_t y) { return Clamp8(x + (float(y) - x) * t); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Rgba Shade(Rgba c, float f)
{
    if (f <= 1.0f) return {Clamp8(c.r * f), Clamp8(c.g * f), Clamp8(c.b * f), c.a};
    const float t = std::min(f - 1.0f, 1.0f);   // lighten toward white
    return {Clamp8(c.r + (255 - c.r) * t), Clamp8(c.g + (255 - c.g) * t), Clamp8(c.b + (255 - c.b) * t), c.a};
}

Rgba WithAlpha(Rgba c, int a) { return {c.r, c.g, c.b, uint8_t(std::clamp(a, 0, 255))}; }

float Hash01(int x, int y, int seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xFFFFFF) / float(0x1000000);
}

bool Palette::Find(char ch, Rgba& out) const
{
    for (const auto& [k, v] : entries)
        if (k == ch) { out = v; return true; }
    return false;
}

Canvas::Canvas(int w, int h, Rgba fill) : w_(w), h_(h), px_(size_t(w) * h, fill) {}

void Canvas::Blend(int x, int y, Rgba c)
{
    if (!Inside(x, y) || c.a == 0) return;
    Rgba& d = px_[size_t(y) * w_ + x];
    if (c.a == 255 || d.a == 0) { d = c; return; }
    const float sa = c.a / 255.0f, da = d.a / 255.0f;
    const float oa = sa + da * (1 - sa);
    auto ch = [&](uint8_t s, uint8_t t) { return Clamp8((s * sa + t * da * (1 - sa)) / oa); };
    d = {ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b), Clamp8(oa * 255)};
}

void Canvas::Fill(Rgba c) { std::fill(px_.begin(), px_.end(), c); }

void Canvas::Rect(int x, int y, int w, int h, Rgba c)
{
    for (int j = std::max(0, y); j < std::min(h_, y + h); ++j)
        for (int i = std::max(0, x); i < std::min(w_, x + w); ++i) px_[size_t(j) * w_ + i] = c;
}

void Canvas::BlendRect(int x, int y, int w, int h, Rgba c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Blend(i, j, c);
}

void Canvas::Frame(int x, int y, int w, int h, Rgba c)
{
    Rect(x, y, w, 1, c);
    Rect(x, y + h - 1, w, 1, c);
    Rect(x, y, 1, h, c);
    Rect(x + w - 1, y, 1, h, c);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgba c)
{
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Blend(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void Canvas::ThickLine(float x0, float y0, float x1, float y1, float width, Rgba c)
{
    const float r = width / 2;
    const int minX = int(std::floor(std::min(x0, x1) - r)), maxX = int(std::ceil(std::max(x0, x1) + r));
    const int minY = int(std::floor(std::min(y0, y1) - r)), maxY = int(std::ceil(std::max(y0, y1) + r));
    const float vx = x1 - x0, vy = y1 - y0, len2 = vx * vx + vy * vy;
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x) {
            const float px = x + 0.5f - x0, py = y + 0.5f - y0;
            float t = len2 > 0 ? (px * vx + py * vy) / len2 : 0;
            t = std::clamp(t, 0.0f, 1.0f);
            const float dx = px - t * vx, dy = py - t * vy;
            if (dx * dx + dy * dy <= r * r) Blend(x, y, c);
        }
}

void Canvas::Ellipse(float cx, float cy, float rx, float ry, Rgba c)
{
    if (rx <= 0 || ry <= 0) return;
    for (int y = int(std::floor(cy - ry)); y <= int(std::ceil(cy + ry)); ++y)
        for (int x = int(std::floor(cx - rx)); x <= int(std::ceil(cx + rx)); ++x) {
            const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.0f) Blend(x, y, c);
        }
}

void Canvas::EllipseRing(float cx, float cy, float rx, float ry, float thickness, Rgba c)
{
    for (int y = int(std::floor(cy - ry)); y <= int(std::ceil(cy + ry)); ++y)
        for (int x = int(std::floor(cx - rx)); x <= int(std::ceil(cx + rx)); ++x) {
            const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            const float ix = (x + 0.5f - cx) / std::max(rx - thickness, 0.01f);
            const float iy = (y + 0.5f - cy) / std::max(ry - thickness, 0.01f);
            if (dx * dx + dy * dy <= 1.0f && ix * ix + iy * iy > 1.0f) Blend(x, y, c);
        }
}

void Canvas::Polygon(const std::vector<std::pair<float, float>>& pts, Rgba c)
{
    if (pts.size() < 3) return;
    float minY = pts[0].second, maxY = pts[0].second;
    for (const auto& p : pts) { minY = std::min(minY, p.second); maxY = std::max(maxY, p.second); }
    for (int y = int(std::floor(minY)); y <= int(std::ceil(maxY)); ++y) {
        const float sy = y + 0.5f;
        std::vector<float> xs;
        for (size_t i = 0; i < pts.size(); ++i) {
            const auto& a = pts[i];
            const auto& b = pts[(i + 1) % pts.size()];
            if ((a.second <= sy && b.second > sy) || (b.second <= sy && a.second > sy))
                xs.push_back(a.first + (sy - a.second) / (b.second - a.second) * (b.first - a.first));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2)
            for (int x = int(std::ceil(xs[i] - 0.5f)); x < int(std::ceil(xs[i + 1] - 0.5f)); ++x) Blend(x, y, c);
    }
}

void Canvas::VGradient(int x, int y, int w, int h, Rgba top, Rgba bottom)
{
    for (int j = 0; j < h; ++j) {
        const Rgba c = Mix(top, bottom, h > 1 ? float(j) / (h - 1) : 0.0f);
        Rect(x, y + j, w, 1, c);
    }
}

void Canvas::Template(int x, int y, const std::vector<std::string>& rows, const Palette& pal, bool flipX)
{
    for (size_t j = 0; j < rows.size(); ++j) {
        const std::string& row = rows[j];
        for (size_t i = 0; i < row.size(); ++i) {
            Rgba c;
            if (row[i] == ' ' || row[i] == '.' || !pal.Find(row[i], c)) continue;
            const int px = flipX ? x + int(row.size()) - 1 - int(i) : x + int(i);
            Blend(px, y + int(j), c);
        }
    }
}

void Canvas::Draw(const Canvas& src, int x, int y, bool flipX, bool flipY)
{
    for (int j = 0; j < src.H(); ++j)
        for (int i = 0; i < src.W(); ++i) {
            const Rgba c = src.Get(flipX ? src.W() - 1 - i : i, flipY ? src.H() - 1 - j : j);
            Blend(x + i, y + j, c);
        }
}

Canvas Canvas::Crop(int x, int y, int w, int h) const
{
    Canvas out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out.Set(i, j, Get(x + i, y + j));
    return out;
}

Canvas Canvas::Scaled(int factor) const { return ScaledTo(w_ * factor, h_ * factor); }

Canvas Canvas::ScaledTo(int w, int h) const
{
    Canvas out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out.Set(i, j, Get(i * w_ / w, j * h_ / h));
    return out;
}

Canvas Canvas::Flipped() const
{
    Canvas out(w_, h_);
    out.Draw(*this, 0, 0, true);
    return out;
}

void Canvas::Outline(Rgba c, bool diagonal)
{
    const std::vector<Rgba> src = px_;
    auto opaque = [&](int x, int y) { return Inside(x, y) && src[size_t(y) * w_ + x].a > 96; };
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            if (opaque(x, y)) continue;
            bool edge = opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1);
            if (diagonal)
                edge = edge || opaque(x - 1, y - 1) || opaque(x + 1, y - 1) || opaque(x - 1, y + 1) || opaque(x + 1, y + 1);
            if (edge) px_[size_t(y) * w_ + x] = c;
        }
}

void Canvas::EdgeShade(float dark, float light)
{
    const std::vector<Rgba> src = px_;
    auto opaque = [&](int x, int y) { return Inside(x, y) && src[size_t(y) * w_ + x].a > 0; };
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            if (!opaque(x, y)) continue;
            Rgba& p = px_[size_t(y) * w_ + x];
            if (!opaque(x + 1, y) || !opaque(x, y + 1)) p = Shade(p, dark);
            else if (!opaque(x - 1, y) || !opaque(x, y - 1)) p = Shade(p, light);
        }
}

void Canvas::Recolour(Rgba from, Rgba to)
{
    for (Rgba& p : px_)
        if (p == from) p = to;
}

void Canvas::Tint(Rgba c)
{
    for (Rgba& p : px_)
        if (p.a) p = {c.r, c.g, c.b, p.a};
}

void Canvas::MultiplyAlpha(float f)
{
    for (Rgba& p : px_) p.a = Clamp8(p.a * f);
}

std::vector<uint8_t> EncodePng(const Canvas& c)
{
    std::vector<uint8_t> out;
    std::vector<uint8_t> raw(size_t(c.W()) * c.H() * 4);
    for (size_t i = 0; i < c.Pixels().size(); ++i) {
        const Rgba p = c.Pixels()[i];
        raw[i * 4 + 0] = p.r;
        raw[i * 4 + 1] = p.g;
        raw[i * 4 + 2] = p.b;
        raw[i * 4 + 3] = p.a;
    }
    stbi_write_png_to_func(
        [](void* ctx, void* data, int size) {
            auto* v = static_cast<std::vector<uint8_t>*>(ctx);
            v->insert(v->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
        },
        &out, c.W(), c.H(), 4, raw.data(), c.W() * 4);
    return out;
}

}  // namespace zelka::assets
