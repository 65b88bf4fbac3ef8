#include "platform/graphics/Image.h"

#include <algorithm>

#include "platform/core/Fatal.h"
#include "platform/graphics/Graphics.h"

namespace zelka {

int Image::DefaultFlags = 0;

void Image::Init(Ref<Surface> surface, int frameCount, int flags)
{
    if (surface_ != nullptr) {
        RuntimeError("Image already initialized");
    }
    frameCount = std::max(frameCount, 1);
    surface_ = std::move(surface);
    width_ = surface_->Width() / frameCount;
    height_ = surface_->Height();
    frames_.assign(static_cast<std::size_t>(frameCount), Frame{});
    for (int i = 0; i < frameCount; ++i) {
        frames_[static_cast<std::size_t>(i)].x = i * width_;
    }
    ApplyFlags(flags);
}

void Image::Init2(Ref<Surface> surface, int x, int y, int frameWidth, int frameHeight,
                  int frameCount, int flags, Ref<Image> source, int srcX, int srcY, int srcW,
                  int srcH)
{
    if (surface_ != nullptr) {
        RuntimeError("Image already initialized");
    }
    frameCount = std::max(frameCount, 1);
    surface_ = std::move(surface);
    source_ = std::move(source);
    width_ = frameWidth;
    height_ = frameHeight;
    frames_.clear();
    for (int i = 0; i < frameCount; ++i) {
        if (x + frameWidth > srcW) {
            x = 0;
            y += frameHeight;
        }
        if (x + frameWidth > srcW || y + frameHeight > srcH) {
            RuntimeError("Image frame outside surface");
        }
        frames_.push_back(Frame{srcX + x, srcY + y});
        x += frameWidth;
    }
    ApplyFlags(flags);
}

Ref<Image> Image::GrabImage(int x, int y, int width, int height, int frameCount, int flags)
{
    // The grabbed image must know its source, or it would discard the shared surface.
    Ref<Image> self = weak_from_this().lock();
    if (frames_.size() != 1 || self == nullptr) {
        return nullptr;
    }
    auto image = std::make_shared<Image>();
    image->Init2(surface_, x, y, width, height, frameCount, flags, std::move(self),
                 frames_[0].x, frames_[0].y, width_, height_);
    return image;
}

void Image::ApplyFlags(int flags)
{
    flags_ = flags;
    if ((flags_ & kImageXPadding) != 0) {
        for (Frame& frame : frames_) {
            frame.x += 1;
        }
        width_ -= 2;
    }
    if ((flags_ & kImageYPadding) != 0) {
        for (Frame& frame : frames_) {
            frame.y += 1;
        }
        height_ -= 2;
    }
    if ((flags_ & kImageMidHandle) != 0) {
        SetHandle(static_cast<float>(width_) / 2, static_cast<float>(height_) / 2);
    }
    if (frames_.size() == 1 && frames_[0].x == 0 && frames_[0].y == 0 && surface_ != nullptr &&
        width_ == surface_->Width() && height_ == surface_->Height()) {
        flags_ |= kImageFullFrame;
    }
}

void Image::SetHandle(float x, float y)
{
    handleX_ = x;
    handleY_ = y;
    flags_ &= ~kImageMidHandle;
}

void Image::WritePixels(std::span<const int> pixels, int x, int y, int w, int h, int offset,
                        int pitch)
{
    if (surface_ == nullptr) {
        return;
    }
    if (pitch == 0) {
        pitch = w;
    }
    if (GraphicsDevice* device = graphics::GetGraphicsDevice()) {
        device->WritePixels2(surface_, pixels, x, y, w, h, offset, pitch);
    } else {
        surface_->SetSubData(x, y, w, h, pixels, offset, pitch);
    }
}

void Image::Discard()
{
    if (surface_ != nullptr && source_ == nullptr) {
        surface_->Discard();
        surface_ = nullptr;
    }
}

}  // namespace zelka
