#include "platform/graphics/gl/GLGraphicsDevice.h"

#include <GL/gl.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "platform/graphics/gl/GLCounters.h"
#include "platform/graphics/gl/GLSurface.h"

namespace zelka {

namespace {

// Primitive kinds of the batch; any kind of 5 or more is a polygon of that many vertices.
constexpr int kKindPoints = 1;
constexpr int kKindLines = 2;
constexpr int kKindTriangles = 3;
constexpr int kKindQuads = 4;

constexpr int kVertexStride = 20;           // bytes: x, y, u, v floats + 4 colour bytes
constexpr float kPixelCentre = 0.5f;        // points and lines hit pixel centres
constexpr int kMinOvalSegments = 12;
constexpr float kMaxColorByte = 255.0f;

// int(value) clamped to 0-255; NaN gives 0. Converting first would wrap (or be undefined).
std::uint8_t ColorByte(float value)
{
    if (!(value > 0.0f)) {
        return 0;
    }
    return static_cast<std::uint8_t>(std::min(value, kMaxColorByte));
}

int OvalSegments(float count)
{
    if (!(count >= static_cast<float>(kMinOvalSegments))) {
        return kMinOvalSegments;
    }
    if (count > static_cast<float>(GLGraphicsDevice::kMaxOvalSegments)) {
        return GLGraphicsDevice::kMaxOvalSegments;
    }
    return static_cast<int>(count) & ~3;   // largest multiple of 4 not above
}

}  // namespace

GLGraphicsDevice::GLGraphicsDevice(WindowSizeFn windowSize) : windowSize_(std::move(windowSize))
{
    if (windowSize_) {
        windowSize_(width_, height_);
    }
    for (int quad = 0; quad < kBatchQuads; ++quad) {
        const auto base = static_cast<std::uint16_t>(quad * 4);
        std::uint16_t* index = &quadIndices_[static_cast<std::size_t>(quad) * 6];
        index[0] = base;
        index[1] = static_cast<std::uint16_t>(base + 1);
        index[2] = static_cast<std::uint16_t>(base + 2);
        index[3] = base;
        index[4] = static_cast<std::uint16_t>(base + 2);
        index[5] = static_cast<std::uint16_t>(base + 3);
    }
}

int GLGraphicsDevice::BeginRender()
{
    if (windowSize_) {
        windowSize_(width_, height_);
    }
    glViewport(0, 0, width_, height_);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width_, height_, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, kVertexStride, &vertices_[0].x);
    glTexCoordPointer(2, GL_FLOAT, kVertexStride, &vertices_[0].u);
    glColorPointer(4, GL_UNSIGNED_BYTE, kVertexStride, &vertices_[0].rgba[0]);

    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_TEXTURE_2D);

    vertexCount_ = 0;
    primitiveKind_ = 0;
    primitiveSurface_ = nullptr;
    return 1;
}

void GLGraphicsDevice::EndRender()
{
    Flush();
}

Ref<Surface> GLGraphicsDevice::LoadSurface(std::string_view path)
{
    auto surface = std::make_shared<GLSurface>();
    if (!LoadSurface_UNSAFE_(*surface, path)) {
        return nullptr;
    }
    surface->Bind();
    return surface;
}

Ref<Surface> GLGraphicsDevice::CreateSurface(int width, int height)
{
    auto surface = std::make_shared<GLSurface>(width, height, kSurfaceDepthRgba);
    surface->Bind();
    return surface;
}

Ref<Surface> GLGraphicsDevice::NewSurface()
{
    return std::make_shared<GLSurface>();
}

void GLGraphicsDevice::Cls(float r, float g, float b)
{
    vertexCount_ = 0;
    primitiveKind_ = 0;
    primitiveSurface_ = nullptr;
    glClearColor(r / kMaxColorByte, g / kMaxColorByte, b / kMaxColorByte, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void GLGraphicsDevice::UpdateColor()
{
    color_ = {ColorByte(red_ * alpha_), ColorByte(green_ * alpha_), ColorByte(blue_ * alpha_),
              ColorByte(kMaxColorByte * alpha_)};
}

void GLGraphicsDevice::SetAlpha(float a)
{
    alpha_ = a;
    UpdateColor();
}

void GLGraphicsDevice::SetColor(float r, float g, float b)
{
    red_ = r;
    green_ = g;
    blue_ = b;
    UpdateColor();
}

void GLGraphicsDevice::SetBlend(int mode)
{
    Flush();
    if (mode == kBlendAdditive) {
        glBlendFunc(GL_ONE, GL_ONE);
    } else {
        glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    }
}

void GLGraphicsDevice::SetScissor(int x, int y, int w, int h)
{
    Flush();
    if (x == 0 && y == 0 && w == width_ && h == height_) {
        glDisable(GL_SCISSOR_TEST);
        return;
    }
    // GL rejects a negative size (and would then keep the old rectangle): clip to nothing.
    w = std::max(w, 0);
    h = std::max(h, 0);
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, height_ - y - h, w, h);
}

void GLGraphicsDevice::SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty)
{
    ix_ = ix;
    iy_ = iy;
    jx_ = jx;
    jy_ = jy;
    tx_ = tx;
    ty_ = ty;
    transformed_ = !(ix == 1 && iy == 0 && jx == 0 && jy == 1 && tx == 0 && ty == 0);
}

GLGraphicsDevice::Vertex* GLGraphicsDevice::Reserve(int kind, int count, GLSurface* surface)
{
    if (count < 1 || count > kBatchVertices) {
        return nullptr;
    }
    if (kind != primitiveKind_ || surface != primitiveSurface_.get() ||
        vertexCount_ + count > kBatchVertices) {
        Flush();
        primitiveKind_ = kind;
    }
    Vertex* first = &vertices_[static_cast<std::size_t>(vertexCount_)];
    vertexCount_ += count;
    return first;
}

void GLGraphicsDevice::Put(Vertex* vertex, float x, float y, float u, float v) const
{
    if (transformed_) {
        const float px = x;
        x = ix_ * px + jx_ * y + tx_;
        y = iy_ * px + jy_ * y + ty_;
    }
    vertex->x = x;
    vertex->y = y;
    vertex->u = u;
    vertex->v = v;
    std::memcpy(vertex->rgba, color_.data(), color_.size());
}

void GLGraphicsDevice::Flush()
{
    if (vertexCount_ == 0) {
        primitiveSurface_ = nullptr;
        return;
    }
    GLSurface* texture = static_cast<GLSurface*>(primitiveSurface_.get());
    if (texture != nullptr) {
        glEnable(GL_TEXTURE_2D);
        texture->Bind();
    }
    switch (primitiveKind_) {
    case kKindPoints:
        glDrawArrays(GL_POINTS, 0, vertexCount_);
        ++GLStats().drawCalls;
        break;
    case kKindLines:
        glDrawArrays(GL_LINES, 0, vertexCount_);
        ++GLStats().drawCalls;
        break;
    case kKindTriangles:
        glDrawArrays(GL_TRIANGLES, 0, vertexCount_);
        ++GLStats().drawCalls;
        break;
    case kKindQuads:
        glDrawElements(GL_TRIANGLES, vertexCount_ / 4 * 6, GL_UNSIGNED_SHORT, quadIndices_.data());
        ++GLStats().drawCalls;
        break;
    default:
        for (int first = 0; first + primitiveKind_ <= vertexCount_; first += primitiveKind_) {
            glDrawArrays(GL_TRIANGLE_FAN, first, primitiveKind_);
            ++GLStats().drawCalls;
        }
        break;
    }
    if (texture != nullptr) {
        glDisable(GL_TEXTURE_2D);
    }
    vertexCount_ = 0;
    primitiveSurface_ = nullptr;
}

GLSurface* GLGraphicsDevice::TextureOf(const Ref<Surface>& surface)
{
    assert(surface == nullptr || dynamic_cast<GLSurface*>(surface.get()) != nullptr);
    auto* texture = static_cast<GLSurface*>(surface.get());
    if (texture != nullptr) {
        // The texture's scales are needed now, not at the flush.
        texture->EnsureTexture();
    }
    return texture;
}

void GLGraphicsDevice::DrawPoint(float x, float y)
{
    Vertex* v = Reserve(kKindPoints, 1, nullptr);
    Put(v, x, y);
    v->x += kPixelCentre;
    v->y += kPixelCentre;
}

void GLGraphicsDevice::DrawRect(float x, float y, float w, float h)
{
    Vertex* v = Reserve(kKindQuads, 4, nullptr);
    Put(v, x, y);
    Put(v + 1, x + w, y);
    Put(v + 2, x + w, y + h);
    Put(v + 3, x, y + h);
}

void GLGraphicsDevice::DrawLine(float x1, float y1, float x2, float y2)
{
    Vertex* v = Reserve(kKindLines, 2, nullptr);
    Put(v, x1, y1);
    Put(v + 1, x2, y2);
    for (int i = 0; i < 2; ++i) {
        v[i].x += kPixelCentre;
        v[i].y += kPixelCentre;
    }
}

void GLGraphicsDevice::DrawOval(float x, float y, float w, float h)
{
    const float rx = w / 2;
    const float ry = h / 2;
    float count;
    if (transformed_) {
        count = std::abs(rx) * std::hypot(ix_, iy_) + std::abs(ry) * std::hypot(jx_, jy_);
    } else {
        // Each radius truncated on its own, as the batch always did.
        count = std::abs(std::trunc(rx)) + std::abs(std::trunc(ry));
    }
    const int segments = OvalSegments(count);
    const float cx = x + rx;
    const float cy = y + ry;
    Vertex* v = Reserve(segments, segments, nullptr);
    for (int i = 0; i < segments; ++i) {
        const double t = i * 2 * std::numbers::pi / segments;
        Put(v + i, cx + rx * static_cast<float>(std::cos(t)), cy - ry * static_cast<float>(std::sin(t)));
    }
}

void GLGraphicsDevice::DrawPoly(std::span<const float> xy)
{
    const int count = static_cast<int>(std::min<std::size_t>(xy.size() / 2, kBatchVertices + 1));
    Vertex* v = Reserve(count, count, nullptr);
    if (v == nullptr) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        Put(v + i, xy[2 * i], xy[2 * i + 1]);
    }
}

void GLGraphicsDevice::DrawPoly2(std::span<const float> xyuv, const Ref<Surface>& surface,
                                 float offsetX, float offsetY)
{
    GLSurface* texture = TextureOf(surface);
    const int count = static_cast<int>(std::min<std::size_t>(xyuv.size() / 4, kBatchVertices + 1));
    if (texture == nullptr || count < 1 || count > kBatchVertices) {
        return;
    }
    Vertex* v = Reserve(count, count, texture);
    primitiveSurface_ = surface;
    const float us = texture->UScale();
    const float vs = texture->VScale();
    for (int i = 0; i < count; ++i) {
        const float* in = &xyuv[4 * static_cast<std::size_t>(i)];
        Put(v + i, in[0], in[1], (in[2] + offsetX) * us, (in[3] + offsetY) * vs);
    }
}

void GLGraphicsDevice::DrawSurface(const Ref<Surface>& surface, float x, float y)
{
    GLSurface* texture = TextureOf(surface);
    if (texture == nullptr) {
        return;
    }
    const float w = static_cast<float>(texture->Width());
    const float h = static_cast<float>(texture->Height());
    const float u = w * texture->UScale();
    const float v = h * texture->VScale();
    Vertex* q = Reserve(kKindQuads, 4, texture);
    primitiveSurface_ = surface;
    Put(q, x, y, 0, 0);
    Put(q + 1, x + w, y, u, 0);
    Put(q + 2, x + w, y + h, u, v);
    Put(q + 3, x, y + h, 0, v);
}

void GLGraphicsDevice::DrawSurface2(const Ref<Surface>& surface, float x, float y, int srcX,
                                    int srcY, int srcW, int srcH)
{
    GLSurface* texture = TextureOf(surface);
    if (texture == nullptr) {
        return;
    }
    const float w = static_cast<float>(srcW);
    const float h = static_cast<float>(srcH);
    const float us = texture->UScale();
    const float vs = texture->VScale();
    const float u0 = static_cast<float>(srcX) * us;
    const float v0 = static_cast<float>(srcY) * vs;
    const float u1 = (static_cast<float>(srcX) + w) * us;
    const float v1 = (static_cast<float>(srcY) + h) * vs;
    Vertex* q = Reserve(kKindQuads, 4, texture);
    primitiveSurface_ = surface;
    Put(q, x, y, u0, v0);
    Put(q + 1, x + w, y, u1, v0);
    Put(q + 2, x + w, y + h, u1, v1);
    Put(q + 3, x, y + h, u0, v1);
}

void GLGraphicsDevice::ReadPixels(std::span<int> pixels, int x, int y, int w, int h, int offset,
                                  int pitch)
{
    Flush();
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const auto right = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, width_));
    const auto bottom = static_cast<int>(std::min<long long>(static_cast<long long>(y) + h, height_));
    if (left >= right || top >= bottom) {
        return;
    }
    const int readW = right - left;
    const int readH = bottom - top;
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(readW) * readH);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // BGRA bytes read as one little-endian int are 0xAARRGGBB. GL rows run bottom-up.
    glReadPixels(left, height_ - bottom, readW, readH, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
    const auto count = static_cast<long long>(pixels.size());
    for (int row = top; row < bottom; ++row) {
        const std::uint32_t* source = &rows[static_cast<std::size_t>(bottom - 1 - row) * readW];
        for (int col = left; col < right; ++col) {
            const long long target = offset + static_cast<long long>(row - y) * pitch + (col - x);
            if (target >= 0 && target < count) {
                pixels[static_cast<std::size_t>(target)] = static_cast<int>(source[col - left]);
            }
        }
    }
}

void GLGraphicsDevice::WritePixels2(const Ref<Surface>& surface, std::span<const int> pixels,
                                    int x, int y, int w, int h, int offset, int pitch)
{
    if (surface != nullptr) {
        surface->SetSubData(x, y, w, h, pixels, offset, pitch);
    }
}

}  // namespace zelka
