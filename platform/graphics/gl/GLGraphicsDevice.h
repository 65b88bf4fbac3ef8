#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "platform/graphics/GraphicsDevice.h"

namespace zelka {

class GLSurface;

// The render device on the OpenGL 1.x fixed-function pipeline. Every primitive goes into one
// client-side vertex batch, transformed and coloured on the CPU, so one batch spans any
// number of matrices and colours; it is drawn only when the primitive kind, the surface, the
// blend mode or the scissor changes, or when it is full. Assumes the window's context is
// current whenever it is called (the host owns the window).
class GLGraphicsDevice final : public GraphicsDevice {
public:
    // A whole screen of 32 px tiles from one sheet fits one batch, so a tile layer is one
    // draw call; 16-bit indices allow up to 65536 vertices.
    static constexpr int kBatchVertices = 16384;
    static constexpr int kBatchQuads = kBatchVertices / 4;   // static index buffer: 6 per quad
    static constexpr int kMaxOvalSegments = 1024;

    // Writes the window's current size in pixels.
    using WindowSizeFn = std::function<void(int& width, int& height)>;

    explicit GLGraphicsDevice(WindowSizeFn windowSize);

    // Implements GraphicsDevice.
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int BeginRender() override;
    void EndRender() override;
    void DiscardGraphics() override {}
    Ref<Surface> LoadSurface(std::string_view path) override;
    Ref<Surface> CreateSurface(int width, int height) override;
    Ref<Surface> NewSurface() override;
    void Cls(float r, float g, float b) override;
    void SetAlpha(float a) override;
    void SetColor(float r, float g, float b) override;
    void SetBlend(int mode) override;
    void SetScissor(int x, int y, int w, int h) override;
    void SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty) override;
    void DrawPoint(float x, float y) override;
    void DrawRect(float x, float y, float w, float h) override;
    void DrawLine(float x1, float y1, float x2, float y2) override;
    void DrawOval(float x, float y, float w, float h) override;
    void DrawPoly(std::span<const float> xy) override;
    void DrawPoly2(std::span<const float> xyuv, const Ref<Surface>& surface, float offsetX,
                   float offsetY) override;
    void DrawSurface(const Ref<Surface>& surface, float x, float y) override;
    void DrawSurface2(const Ref<Surface>& surface, float x, float y, int srcX, int srcY, int srcW,
                      int srcH) override;
    void ReadPixels(std::span<int> pixels, int x, int y, int w, int h, int offset,
                    int pitch) override;
    void WritePixels2(const Ref<Surface>& surface, std::span<const int> pixels, int x, int y,
                      int w, int h, int offset, int pitch) override;

    // Vertices waiting in the batch and their primitive kind (for tests).
    int BatchedVertices() const { return vertexCount_; }
    int BatchKind() const { return primitiveKind_; }
    // The packed vertex colour bytes R, G, B, A now in use.
    std::array<std::uint8_t, 4> PackedColor() const { return color_; }

private:
    struct Vertex {
        float x, y, u, v;
        std::uint8_t rgba[4];
    };
    static_assert(sizeof(Vertex) == 20, "the client arrays use a 20-byte stride");

    // Room for `count` vertices of `kind` on `surface`, flushing first when the batch cannot
    // take them. Null for a count outside 1..kBatchVertices.
    Vertex* Reserve(int kind, int count, GLSurface* surface);
    void Put(Vertex* vertex, float x, float y, float u = 0, float v = 0) const;
    void Flush();
    void UpdateColor();
    GLSurface* TextureOf(const Ref<Surface>& surface);

    WindowSizeFn windowSize_;
    int width_ = 0;
    int height_ = 0;
    float red_ = 255, green_ = 255, blue_ = 255, alpha_ = 1;
    std::array<std::uint8_t, 4> color_{255, 255, 255, 255};
    float ix_ = 1, iy_ = 0, jx_ = 0, jy_ = 1, tx_ = 0, ty_ = 0;
    bool transformed_ = false;
    std::array<Vertex, kBatchVertices> vertices_{};
    std::array<std::uint16_t, kBatchQuads * 6> quadIndices_{};
    int primitiveKind_ = 0;
    int vertexCount_ = 0;
    Ref<Surface> primitiveSurface_;   // keeps a batched surface alive until the flush
};

}  // namespace zelka
