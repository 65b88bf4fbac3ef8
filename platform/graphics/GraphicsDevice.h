#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/core/Ref.h"
#include "platform/graphics/Surface.h"
#include "platform/graphics/WindowGeneration.h"

namespace zelka {

// Blend modes of SetBlend.
inline constexpr int kBlendAlpha = 0;      // premultiplied: ONE, ONE_MINUS_SRC_ALPHA
inline constexpr int kBlendAdditive = 1;   // ONE, ONE

// The render device: a 2D renderer in window pixels, origin top-left, y down. Colours are
// premultiplied by alpha everywhere. Calls other than the surface factories and Width/Height
// are valid only between BeginRender and EndRender. One device lives from the game's start to
// the end of the process; the host creates it (GL backend) once a window is open, tests use
// the recording backend.
class GraphicsDevice {
public:
    virtual ~GraphicsDevice() = default;

    // Window size in pixels, read at creation and at every BeginRender.
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Prepares a frame: viewport and projection for the window size, premultiplied alpha
    // blending, empty batch. Returns 1 (a normal frame).
    virtual int BeginRender() = 0;
    // Draws whatever is still batched.
    virtual void EndRender() = 0;
    // Nothing to release beyond the surfaces themselves; kept for the game's shutdown path.
    virtual void DiscardGraphics() = 0;

    // A surface from a PNG file (a file-system path; at the file's own channel
    // count), premultiplied and bound. Null if the file cannot be read or decoded.
    [[nodiscard]] virtual Ref<Surface> LoadSurface(std::string_view path) = 0;
    // An RGBA surface of width x height without pixel data, bound at once (empty texture).
    [[nodiscard]] virtual Ref<Surface> CreateSurface(int width, int height) = 0;
    // An empty surface (no size, no pixels, no texture) for Surface::SetData, e.g. an image
    // deciphered in memory. Bind it after SetData.
    [[nodiscard]] virtual Ref<Surface> NewSurface() = 0;
    // Fills `surface` from an image file; false (surface unchanged) if it cannot be read.
    [[nodiscard]] bool LoadSurface_UNSAFE_(Surface& surface, std::string_view path);

    // Drops the batch without drawing it, then clears the window to (r, g, b), each 0-255.
    virtual void Cls(float r, float g, float b) = 0;
    // Vertex colour for the following draws: r, g, b in 0-255, a in 0-1. Bytes are
    // premultiplied and clamped to 0-255, so out-of-range tints never wrap. No flush.
    virtual void SetAlpha(float a) = 0;
    virtual void SetColor(float r, float g, float b) = 0;
    // kBlendAdditive, anything else alpha blending. Flushes the batch.
    virtual void SetBlend(int mode) = 0;
    // Window pixels, origin top-left. The whole window (0, 0, Width, Height) turns clipping
    // off. Flushes the batch.
    virtual void SetScissor(int x, int y, int w, int h) = 0;
    // 2x3 matrix applied on the CPU to every following vertex: (x, y) becomes
    // (ix*x + jx*y + tx, iy*x + jy*y + ty). No flush.
    virtual void SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty) = 0;

    virtual void DrawPoint(float x, float y) = 0;
    virtual void DrawRect(float x, float y, float w, float h) = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2) = 0;
    // A filled ellipse inside the box: 12 to 1024 vertices, a multiple of 4, by its size.
    virtual void DrawOval(float x, float y, float w, float h) = 0;
    // xy holds x, y pairs: 1 to 1024 vertices draw one filled polygon; other counts nothing.
    virtual void DrawPoly(std::span<const float> xy) = 0;
    // xyuv holds x, y, u, v per vertex; u, v in surface pixels, offset by (offsetX, offsetY).
    virtual void DrawPoly2(std::span<const float> xyuv, const Ref<Surface>& surface,
                           float offsetX, float offsetY) = 0;
    // The whole surface with its top-left corner at (x, y). A null surface draws nothing.
    virtual void DrawSurface(const Ref<Surface>& surface, float x, float y) = 0;
    // The surface rectangle (srcX, srcY, srcW, srcH) at (x, y), unscaled.
    virtual void DrawSurface2(const Ref<Surface>& surface, float x, float y, int srcX, int srcY,
                              int srcW, int srcH) = 0;

    // Reads the window rectangle (origin top-left) as 0xAARRGGBB ints, window row r of the
    // rectangle at pixels[offset + r*pitch]. Clipped to the window and to the array: entries
    // for pixels outside either are left as they were. Flushes the batch first.
    virtual void ReadPixels(std::span<int> pixels, int x, int y, int w, int h, int offset,
                            int pitch) = 0;
    // Surface::SetSubData of the rectangle (clipped the same way).
    virtual void WritePixels2(const Ref<Surface>& surface, std::span<const int> pixels, int x,
                              int y, int w, int h, int offset, int pitch) = 0;
};

// Decoded image file: bytes at the file's own channel count (1-4), rows top-down,
// not premultiplied.
struct ImageData {
    std::vector<std::uint8_t> pixels;
    int width = 0;
    int height = 0;
    int depth = 0;
};

// Decodes an image file (a file-system path). False if it cannot be opened or decoded.
[[nodiscard]] bool LoadImageData(std::string_view path, ImageData& out);
// Decodes an image held in memory (e.g. deciphered from the asset container).
[[nodiscard]] bool DecodeImageData(std::span<const std::uint8_t> bytes, ImageData& out);
// Widens decoded pixels to 4 bytes R, G, B, A, not premultiplied: grey g gives (g, g, g, 255),
// grey-alpha (g, g, g, a), RGB gets alpha 255. False for a depth outside 1-4.
[[nodiscard]] bool WidenToRgba(ImageData& image);

}  // namespace zelka
