#pragma once

#include <memory>
#include <span>
#include <vector>

#include "platform/core/Ref.h"
#include "platform/graphics/Surface.h"

namespace zelka {

// Image flag bits.
inline constexpr int kImageMidHandle = 1;        // handle = frame centre; cleared once applied
inline constexpr int kImageXPadding = 2;         // 1-pixel border left and right of each frame
inline constexpr int kImageYPadding = 4;         // 1-pixel border above and below each frame
inline constexpr int kImageFullFrame = 0x10000;  // set by ApplyFlags: one frame = whole surface

// A frame's top-left corner inside the surface, in pixels.
struct Frame {
    int x = 0;
    int y = 0;
};

// Frames of equal size cut from one surface, with a handle (the frame point placed at the
// drawing position). A grabbed image shares its source's surface and never discards it.
class Image : public std::enable_shared_from_this<Image> {
public:
    static int DefaultFlags;   // 0

    // frameCount below 1 counts as 1. Frame i at (i * surface width / frameCount, 0).
    // Fatal "Image already initialized" when this image has a surface.
    void Init(Ref<Surface> surface, int frameCount, int flags);
    // Frames of frameWidth x frameHeight, left to right from (x, y) inside the source rectangle
    // (srcX, srcY, srcW, srcH), wrapping to the next row when one would end beyond srcW.
    // Fatal "Image frame outside surface" for a frame wider than srcW or a row ending below
    // srcH; fatal "Image already initialized" as Init.
    void Init2(Ref<Surface> surface, int x, int y, int frameWidth, int frameHeight,
               int frameCount, int flags, Ref<Image> source, int srcX, int srcY, int srcW,
               int srcH);
    // A new image on the same surface whose frames come from the rectangle (x, y, width,
    // height) of this image's only frame. Null if this image has more than one frame or is
    // not held by a Ref.
    [[nodiscard]] Ref<Image> GrabImage(int x, int y, int width, int height, int frameCount,
                                       int flags);
    // Stores the flags, applies the borders and the mid-handle, sets kImageFullFrame when the
    // only frame covers the whole surface.
    void ApplyFlags(int flags);

    // Sets the handle (in frame pixels) and clears the mid-handle bit.
    void SetHandle(float x, float y);
    float HandleX() const { return handleX_; }
    float HandleY() const { return handleY_; }
    int Width() const { return width_; }    // frame width
    int Height() const { return height_; }  // frame height
    int Frames() const { return static_cast<int>(frames_.size()); }
    const Frame& GetFrame(int index) const { return frames_.at(index); }
    int Flags() const { return flags_; }
    const Ref<Surface>& GetSurface() const { return surface_; }
    const Ref<Image>& Source() const { return source_; }

    // Surface::SetSubData on the image's surface; a pitch of 0 means w.
    void WritePixels(std::span<const int> pixels, int x, int y, int w, int h, int offset = 0,
                     int pitch = 0);
    // Discards and forgets the surface if this image owns it (no source).
    void Discard();

private:
    Ref<Surface> surface_;
    int width_ = 0;
    int height_ = 0;
    std::vector<Frame> frames_;
    int flags_ = 0;
    float handleX_ = 0;
    float handleY_ = 0;
    Ref<Image> source_;
};

}  // namespace zelka
