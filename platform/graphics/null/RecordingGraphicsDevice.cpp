#include "platform/graphics/null/RecordingGraphicsDevice.h"

#include <algorithm>

namespace zelka {

RecordingGraphicsDevice::RecordingGraphicsDevice(int width, int height)
    : width_(width), height_(height), scissor_{0, 0, width, height}
{
}

void RecordingGraphicsDevice::SetSize(int width, int height)
{
    width_ = width;
    height_ = height;
}

void RecordingGraphicsDevice::AddFakeImage(const std::string& path, int width, int height)
{
    fakeImages_[path] = {width, height};
}

int RecordingGraphicsDevice::Count(DeviceOp op) const
{
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [op](const DeviceCall& call) { return call.op == op; }));
}

std::vector<DeviceCall> RecordingGraphicsDevice::Draws() const
{
    std::vector<DeviceCall> draws;
    for (const DeviceCall& call : calls_) {
        if (call.op >= DeviceOp::DrawPoint && call.op <= DeviceOp::DrawSurface2) {
            draws.push_back(call);
        }
    }
    return draws;
}

void RecordingGraphicsDevice::Record(DeviceOp op, std::vector<float> args, Ref<Surface> surface)
{
    calls_.push_back(DeviceCall{op, std::move(args), std::move(surface), matrix_, color_, alpha_,
                                blend_, scissor_});
}

Ref<Surface> RecordingGraphicsDevice::Keep(Ref<Surface> surface)
{
    surfaces_.push_back(surface);
    return surface;
}

int RecordingGraphicsDevice::BeginRender()
{
    inFrame_ = true;
    Record(DeviceOp::BeginRender, {});
    return 1;
}

void RecordingGraphicsDevice::EndRender()
{
    inFrame_ = false;
    Record(DeviceOp::EndRender, {});
}

Ref<Surface> RecordingGraphicsDevice::LoadSurface(std::string_view path)
{
    const auto matches = [path](const auto& entry) {
        const std::string& name = entry.first;
        return path == name || (path.size() > name.size() && path.ends_with(name) &&
                                path[path.size() - name.size() - 1] == '/');
    };
    const auto fake = std::find_if(fakeImages_.begin(), fakeImages_.end(), matches);
    if (fake != fakeImages_.end()) {
        auto surface = std::make_shared<RecordingSurface>();
        const auto [w, h] = fake->second;
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * h * kSurfaceDepthRgba);
        if (!surface->SetData(std::move(pixels), w, h, kSurfaceDepthRgba)) {
            return nullptr;
        }
        surface->Bind();
        return Keep(surface);
    }
    auto surface = std::make_shared<RecordingSurface>();
    if (!LoadSurface_UNSAFE_(*surface, path)) {
        return nullptr;
    }
    surface->Bind();
    return Keep(surface);
}

Ref<Surface> RecordingGraphicsDevice::CreateSurface(int width, int height)
{
    auto surface = std::make_shared<RecordingSurface>(width, height, kSurfaceDepthRgba);
    surface->Bind();
    return Keep(surface);
}

Ref<Surface> RecordingGraphicsDevice::NewSurface()
{
    return Keep(std::make_shared<RecordingSurface>());
}

void RecordingGraphicsDevice::Cls(float r, float g, float b)
{
    Record(DeviceOp::Cls, {r, g, b});
}

void RecordingGraphicsDevice::SetAlpha(float a)
{
    alpha_ = a;
    Record(DeviceOp::SetAlpha, {a});
}

void RecordingGraphicsDevice::SetColor(float r, float g, float b)
{
    color_ = {r, g, b};
    Record(DeviceOp::SetColor, {r, g, b});
}

void RecordingGraphicsDevice::SetBlend(int mode)
{
    blend_ = mode;
    Record(DeviceOp::SetBlend, {static_cast<float>(mode)});
}

void RecordingGraphicsDevice::SetScissor(int x, int y, int w, int h)
{
    scissor_ = {x, y, w, h};
    Record(DeviceOp::SetScissor, {static_cast<float>(x), static_cast<float>(y),
                                  static_cast<float>(w), static_cast<float>(h)});
}

void RecordingGraphicsDevice::SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty)
{
    matrix_ = {ix, iy, jx, jy, tx, ty};
    Record(DeviceOp::SetMatrix, {ix, iy, jx, jy, tx, ty});
}

void RecordingGraphicsDevice::DrawPoint(float x, float y)
{
    Record(DeviceOp::DrawPoint, {x, y});
}

void RecordingGraphicsDevice::DrawRect(float x, float y, float w, float h)
{
    Record(DeviceOp::DrawRect, {x, y, w, h});
}

void RecordingGraphicsDevice::DrawLine(float x1, float y1, float x2, float y2)
{
    Record(DeviceOp::DrawLine, {x1, y1, x2, y2});
}

void RecordingGraphicsDevice::DrawOval(float x, float y, float w, float h)
{
    Record(DeviceOp::DrawOval, {x, y, w, h});
}

void RecordingGraphicsDevice::DrawPoly(std::span<const float> xy)
{
    Record(DeviceOp::DrawPoly, {xy.begin(), xy.end()});
}

void RecordingGraphicsDevice::DrawPoly2(std::span<const float> xyuv, const Ref<Surface>& surface,
                                        float offsetX, float offsetY)
{
    std::vector<float> args{offsetX, offsetY};
    args.insert(args.end(), xyuv.begin(), xyuv.end());
    Record(DeviceOp::DrawPoly2, std::move(args), surface);
}

void RecordingGraphicsDevice::DrawSurface(const Ref<Surface>& surface, float x, float y)
{
    Record(DeviceOp::DrawSurface, {x, y}, surface);
}

void RecordingGraphicsDevice::DrawSurface2(const Ref<Surface>& surface, float x, float y, int srcX,
                                           int srcY, int srcW, int srcH)
{
    Record(DeviceOp::DrawSurface2,
           {x, y, static_cast<float>(srcX), static_cast<float>(srcY), static_cast<float>(srcW),
            static_cast<float>(srcH)},
           surface);
}

void RecordingGraphicsDevice::ReadPixels(std::span<int> pixels, int x, int y, int w, int h,
                                         int offset, int pitch)
{
    Record(DeviceOp::ReadPixels, {static_cast<float>(x), static_cast<float>(y),
                                  static_cast<float>(w), static_cast<float>(h),
                                  static_cast<float>(offset), static_cast<float>(pitch)});
    // The same clipping as the real device: window rectangle and array.
    const auto count = static_cast<long long>(pixels.size());
    const long long bottom = std::min<long long>(static_cast<long long>(y) + h, height_);
    const long long right = std::min<long long>(static_cast<long long>(x) + w, width_);
    for (long long row = std::max(y, 0); row < bottom; ++row) {
        for (long long col = std::max(x, 0); col < right; ++col) {
            const long long target = offset + (row - y) * pitch + (col - x);
            if (target >= 0 && target < count) {
                pixels[static_cast<std::size_t>(target)] = readValue_;
            }
        }
    }
}

void RecordingGraphicsDevice::WritePixels2(const Ref<Surface>& surface, std::span<const int> pixels,
                                           int x, int y, int w, int h, int offset, int pitch)
{
    Record(DeviceOp::WritePixels2,
           {static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
            static_cast<float>(h), static_cast<float>(offset), static_cast<float>(pitch)},
           surface);
    if (surface != nullptr) {
        surface->SetSubData(x, y, w, h, pixels, offset, pitch);
    }
}

}  // namespace zelka
