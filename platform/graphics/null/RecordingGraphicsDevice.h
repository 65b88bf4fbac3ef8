#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/GraphicsDevice.h"

namespace zelka {

// Headless surface: keeps its pixels like any surface and counts binds; it has no texture.
class RecordingSurface final : public Surface {
public:
    RecordingSurface() = default;
    RecordingSurface(int width, int height, int depth) : Surface(width, height, depth) {}

    // Implements Surface.
    void Bind() override { ++binds_; }

    int Binds() const { return binds_; }
    int Uploads() const { return uploads_; }
    // Discard ran: the texture was released and the pixels are gone.
    bool Discarded() const { return released_ && !HasPixels(); }

protected:
    void ReleaseTexture() override { released_ = true; }
    void UploadRect(int, int, int, int) override { ++uploads_; }

private:
    int binds_ = 0;
    int uploads_ = 0;
    bool released_ = false;
};

// Every device operation, for tests that count calls of one kind.
enum class DeviceOp {
    BeginRender, EndRender, Cls, SetAlpha, SetColor, SetBlend, SetScissor, SetMatrix,
    DrawPoint, DrawRect, DrawLine, DrawOval, DrawPoly, DrawPoly2, DrawSurface, DrawSurface2,
    ReadPixels, WritePixels2,
};

// One recorded call: its arguments in order (ints as floats; a polygon's coordinates in
// full), its surface if any, and the device state it ran under.
struct DeviceCall {
    DeviceOp op;
    std::vector<float> args;
    Ref<Surface> surface;
    std::array<float, 6> matrix;   // ix, iy, jx, jy, tx, ty
    std::array<float, 3> color;    // r, g, b as given, 0-255
    float alpha;
    int blend;
    std::array<int, 4> scissor;    // x, y, w, h
};

// Headless render device: stores state like the real one (getters return what setters
// stored), keeps surfaces with their sizes and pixels, and records every call with its
// arguments and the matrix/colour state, so engine tests can assert on what was drawn.
// ReadPixels yields what FillReadPixels set (0 by default).
class RecordingGraphicsDevice final : public GraphicsDevice {
public:
    explicit RecordingGraphicsDevice(int width = 640, int height = 360);

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

    // Test setup.
    void SetSize(int width, int height);
    // LoadSurface(path) then yields an RGBA surface of this size (transparent pixels) instead
    // of reading the file, for a path equal to `path` or ending in "/" + path (so a name also
    // matches once resolved into the data folder). Other paths are read from disk.
    void AddFakeImage(const std::string& path, int width, int height);
    void FillReadPixels(int argb) { readValue_ = argb; }

    // Recorded calls and state.
    const std::vector<DeviceCall>& Calls() const { return calls_; }
    int Count(DeviceOp op) const;
    // Calls that draw something (DrawPoint .. DrawSurface2), in order.
    std::vector<DeviceCall> Draws() const;
    void ClearCalls() { calls_.clear(); }
    const std::array<float, 6>& Matrix() const { return matrix_; }
    const std::array<float, 3>& Color() const { return color_; }
    float Alpha() const { return alpha_; }
    int Blend() const { return blend_; }
    const std::array<int, 4>& Scissor() const { return scissor_; }
    bool InFrame() const { return inFrame_; }
    // Every surface the device made, oldest first (expired once nothing else holds it).
    const std::vector<std::weak_ptr<Surface>>& Surfaces() const { return surfaces_; }

private:
    void Record(DeviceOp op, std::vector<float> args, Ref<Surface> surface = nullptr);
    Ref<Surface> Keep(Ref<Surface> surface);

    int width_;
    int height_;
    bool inFrame_ = false;
    std::array<float, 6> matrix_{1, 0, 0, 1, 0, 0};
    std::array<float, 3> color_{255, 255, 255};
    float alpha_ = 1;
    int blend_ = kBlendAlpha;
    std::array<int, 4> scissor_{};
    int readValue_ = 0;
    std::map<std::string, std::array<int, 2>> fakeImages_;
    std::vector<DeviceCall> calls_;
    std::vector<std::weak_ptr<Surface>> surfaces_;
};

}  // namespace zelka
