#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zelka {

// Channels per pixel of a surface: 1 grey, 2 grey + alpha, 3 RGB, 4 RGBA.
inline constexpr int kSurfaceDepthGrey = 1;
inline constexpr int kSurfaceDepthGreyAlpha = 2;
inline constexpr int kSurfaceDepthRgb = 3;
inline constexpr int kSurfaceDepthRgba = 4;

// An image in memory and its texture. The pixels are premultiplied by alpha and kept for the
// surface's whole life, because a reopened window (new GL context) rebuilds every texture from
// them on first use. Pixel handling lives here; a backend only creates, uploads and deletes
// its texture. A backend's destructor must release its texture without a GL call once the
// context of that texture is gone.
class Surface {
public:
    virtual ~Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Releases the texture (only one that belongs to the current, live context) and frees the
    // pixels. Safe to call twice; the size is kept.
    void Discard();

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Depth() const { return depth_; }   // 1-4 channels, see kSurfaceDepth*
    bool Loaded() const { return true; }
    bool HasPixels() const { return !pixels_.empty(); }

    // Premultiplied bytes, rows top-down, Depth() bytes per pixel; empty without pixel data.
    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

    // Makes the texture current for drawing, creating it from the pixels if this window opening
    // has none yet. Does nothing before the first window.
    virtual void Bind() = 0;
    void OnUnsafeLoadComplete() { Bind(); }

    // Takes ownership of width*height*depth bytes (not premultiplied, depth 1-4) and
    // premultiplies them: depth 2 grey*alpha/255, depth 4 r,g,b*alpha/255 (truncated).
    // Any existing texture is dropped and rebuilt at the new size on the next Bind.
    // False (surface unchanged) for a depth outside 1-4, a size below 1 or too few bytes.
    [[nodiscard]] bool SetData(std::vector<std::uint8_t> pixels, int width, int height, int depth);

    // Writes a rectangle of 0xAARRGGBB ints (converted to premultiplied RGBA) into an RGBA
    // surface; other depths ignore it. Pixel (x+i, y+j) comes from argb[offset + j*pitch + i].
    // The rectangle is clipped to the surface and to the array, so nothing is written out of
    // bounds. Creates the pixel data (transparent) if absent. A live texture gets the written
    // rectangle uploaded.
    void SetSubData(int x, int y, int w, int h, std::span<const int> argb, int offset, int pitch);

protected:
    Surface() = default;
    // A surface of the given size and depth without pixel data (CreateSurface).
    Surface(int width, int height, int depth) : width_(width), height_(height), depth_(depth) {}

    // Backend hooks. ReleaseTexture forgets the texture, deleting it only when it belongs
    // to the current live context. UploadRect sends rows of Pixels() to a live texture.
    virtual void ReleaseTexture() = 0;
    virtual void UploadRect(int x, int y, int w, int h) = 0;

private:
    std::vector<std::uint8_t> pixels_;
    int width_ = 0;
    int height_ = 0;
    int depth_ = kSurfaceDepthRgba;
};

// Premultiplies in place: depth 2 grey by alpha, depth 4 r, g, b by alpha (x*a/255,
// truncated); depths 1 and 3 are opaque and unchanged.
void PremultiplyPixels(std::span<std::uint8_t> pixels, int depth);

// 0xAARRGGBB to premultiplied bytes R, G, B, A.
void ArgbToPremultipliedRgba(int argb, std::uint8_t* rgba);

}  // namespace zelka
