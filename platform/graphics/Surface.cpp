#include "platform/graphics/Surface.h"

#include <algorithm>
#include <cstddef>

namespace zelka {

namespace {
constexpr int kMaxByte = 255;
}  // namespace

void PremultiplyPixels(std::span<std::uint8_t> pixels, int depth)
{
    if (depth != kSurfaceDepthGreyAlpha && depth != kSurfaceDepthRgba) {
        return;
    }
    const std::size_t stride = static_cast<std::size_t>(depth);
    for (std::size_t p = 0; p + stride <= pixels.size(); p += stride) {
        const unsigned alpha = pixels[p + stride - 1];
        for (std::size_t c = 0; c + 1 < stride; ++c) {
            pixels[p + c] = static_cast<std::uint8_t>(pixels[p + c] * alpha / kMaxByte);
        }
    }
}

void ArgbToPremultipliedRgba(int argb, std::uint8_t* rgba)
{
    const auto bits = static_cast<std::uint32_t>(argb);
    const unsigned alpha = bits >> 24;
    rgba[0] = static_cast<std::uint8_t>(((bits >> 16) & 0xff) * alpha / kMaxByte);
    rgba[1] = static_cast<std::uint8_t>(((bits >> 8) & 0xff) * alpha / kMaxByte);
    rgba[2] = static_cast<std::uint8_t>((bits & 0xff) * alpha / kMaxByte);
    rgba[3] = static_cast<std::uint8_t>(alpha);
}

void Surface::Discard()
{
    ReleaseTexture();
    pixels_.clear();
    pixels_.shrink_to_fit();
}

bool Surface::SetData(std::vector<std::uint8_t> pixels, int width, int height, int depth)
{
    if (depth < kSurfaceDepthGrey || depth > kSurfaceDepthRgba || width < 1 || height < 1) {
        return false;
    }
    const auto needed = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                        static_cast<std::size_t>(depth);
    if (pixels.size() < needed) {
        return false;
    }
    pixels.resize(needed);
    PremultiplyPixels(pixels, depth);
    // The old texture has the old size and format: drop it so the next Bind rebuilds it.
    ReleaseTexture();
    pixels_ = std::move(pixels);
    width_ = width;
    height_ = height;
    depth_ = depth;
    return true;
}

void Surface::SetSubData(int x, int y, int w, int h, std::span<const int> argb, int offset,
                         int pitch)
{
    if (depth_ != kSurfaceDepthRgba || w <= 0 || h <= 0) {
        return;
    }
    // 64-bit bounds so that a huge x + w cannot wrap into the surface.
    const long long left = std::max<long long>(x, 0);
    const long long top = std::max<long long>(y, 0);
    const long long right = std::min<long long>(static_cast<long long>(x) + w, width_);
    const long long bottom = std::min<long long>(static_cast<long long>(y) + h, height_);
    if (left >= right || top >= bottom) {
        return;
    }
    if (pixels_.empty()) {
        pixels_.assign(static_cast<std::size_t>(width_) * height_ * kSurfaceDepthRgba, 0);
    }
    const auto count = static_cast<long long>(argb.size());
    for (long long row = top; row < bottom; ++row) {
        for (long long col = left; col < right; ++col) {
            const long long source = offset + (row - y) * pitch + (col - x);
            if (source < 0 || source >= count) {
                continue;
            }
            const auto target = static_cast<std::size_t>((row * width_ + col) * kSurfaceDepthRgba);
            ArgbToPremultipliedRgba(argb[static_cast<std::size_t>(source)], &pixels_[target]);
        }
    }
    UploadRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
               static_cast<int>(bottom - top));
}

}  // namespace zelka
