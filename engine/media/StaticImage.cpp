#include "engine/media/StaticImage.h"

#include "engine/core/MathUtil.h"
#include "platform/graphics/Graphics.h"

#include <algorithm>

namespace zelka {

namespace {

constexpr std::u32string_view kTextureFrameKey = U"textureframe";

}  // namespace

Ref<StaticImage> StaticImage::New(Ref<Texture> texture)
{
    return std::make_shared<StaticImage>(std::move(texture));
}

Ref<StaticImage> StaticImage::New2()
{
    return std::make_shared<StaticImage>(nullptr);
}

int StaticImage::GetTotalTextureFrames() const
{
    return texture_ ? texture_->GetTotalFrames() : 0;
}

void StaticImage::SetTextureFrame(int frame)
{
    // Without a texture the upper bound would be -1; a frame is never negative.
    frame_ = std::max(0, std::min(frame, GetTotalTextureFrames() - 1));
}

float StaticImage::GetWidth() const
{
    return texture_ ? static_cast<float>(texture_->GetWidth()) : 0.0f;
}

float StaticImage::GetHeight() const
{
    return texture_ ? static_cast<float>(texture_->GetHeight()) : 0.0f;
}

void StaticImage::Draw()
{
    if (!texture_ || !texture_->GetImage()) {
        return;
    }
    const Image& image = *texture_->GetImage();
    if (frame_ >= image.Frames()) {
        return;
    }
    // Centred on the frame whatever handle the shared image carries: DrawImage subtracts
    // the image's handle, so it is added back with the frame centre taken off.
    const float x = image.HandleX() - static_cast<float>(image.Width()) / 2;
    const float y = image.HandleY() - static_cast<float>(image.Height()) / 2;
    graphics::DrawImage(image, x, y, frame_);
}

void StaticImage::Deallocate()
{
    GDO::Deallocate();
    if (texture_) {
        texture_->Deallocate();
        texture_.reset();
    }
}

bool StaticImage::TrySetFloatProperty(std::u32string_view name, float value)
{
    if (name == kTextureFrameKey) {
        SetTextureFrame(math::TruncToInt(value));
        return true;
    }
    return GDO::TrySetFloatProperty(name, value);
}

float StaticImage::GetFloatProperty(std::u32string_view name) const
{
    if (name == kTextureFrameKey) {
        return static_cast<float>(frame_);
    }
    return GDO::GetFloatProperty(name);
}

}  // namespace zelka
