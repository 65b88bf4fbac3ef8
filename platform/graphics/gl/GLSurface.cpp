#include "platform/graphics/gl/GLSurface.h"

#include <GL/gl.h>

#include "platform/graphics/WindowGeneration.h"
#include "platform/graphics/gl/GLCounters.h"

namespace zelka {

namespace {

bool refuseNonPowerOfTwo = false;

GLenum FormatOfDepth(int depth)
{
    switch (depth) {
    case kSurfaceDepthGrey: return GL_LUMINANCE;
    case kSurfaceDepthGreyAlpha: return GL_LUMINANCE_ALPHA;
    case kSurfaceDepthRgb: return GL_RGB;
    default: return GL_RGBA;
    }
}

int NextPowerOfTwo(int size)
{
    int power = 1;
    while (power < size) {
        power *= 2;
    }
    return power;
}

bool IsPowerOfTwo(int size)
{
    return size > 0 && (size & (size - 1)) == 0;
}

}  // namespace

GLCounters& GLStats()
{
    static GLCounters counters;
    return counters;
}

void GLSurface::SetRefuseNonPowerOfTwo(bool refuse)
{
    refuseNonPowerOfTwo = refuse;
}

GLSurface::~GLSurface()
{
    // The base destructor cannot reach this override; HasLiveTexture keeps it GL-free once
    // the context is gone.
    GLSurface::ReleaseTexture();
}

bool GLSurface::HasLiveTexture() const
{
    return texture_ != 0 && generation_ == graphics::WindowGeneration() && graphics::IsContextLive();
}

float GLSurface::UScale() const
{
    const int size = textureWidth_ > 0 ? textureWidth_ : Width();
    return size > 0 ? 1.0f / static_cast<float>(size) : 0.0f;
}

float GLSurface::VScale() const
{
    const int size = textureHeight_ > 0 ? textureHeight_ : Height();
    return size > 0 ? 1.0f / static_cast<float>(size) : 0.0f;
}

void GLSurface::Bind()
{
    if (HasLiveTexture()) {
        glBindTexture(GL_TEXTURE_2D, texture_);
        return;
    }
    EnsureTexture();
}

void GLSurface::EnsureTexture()
{
    if (HasLiveTexture() || !graphics::IsContextLive() || graphics::WindowGeneration() == 0 ||
        Width() < 1 || Height() < 1) {
        return;
    }
    // A texture of an older opening died with its context: forget it, never delete it.
    texture_ = 0;
    CreateTexture();
}

void GLSurface::CreateTexture()
{
    const GLenum format = FormatOfDepth(Depth());
    generation_ = graphics::WindowGeneration();
    glGenTextures(1, &texture_);
    ++GLStats().texturesCreated;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Stale errors from earlier calls would make the exact-size attempt look refused.
    while (glGetError() != GL_NO_ERROR) {
    }
    textureWidth_ = Width();
    textureHeight_ = Height();
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), textureWidth_, textureHeight_, 0,
                 format, GL_UNSIGNED_BYTE, nullptr);
    bool refused = glGetError() != GL_NO_ERROR;
    if (refuseNonPowerOfTwo && (!IsPowerOfTwo(textureWidth_) || !IsPowerOfTwo(textureHeight_))) {
        refused = true;
    }
    if (refused) {
        // Drivers without non-power-of-two textures; the result of this attempt is not checked.
        textureWidth_ = NextPowerOfTwo(Width());
        textureHeight_ = NextPowerOfTwo(Height());
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), textureWidth_, textureHeight_,
                     0, format, GL_UNSIGNED_BYTE, nullptr);
    }
    if (HasPixels()) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, Width(), Height(), format, GL_UNSIGNED_BYTE,
                        Pixels().data());
        ++GLStats().textureUploads;
    }
}

void GLSurface::ReleaseTexture()
{
    if (HasLiveTexture()) {
        glDeleteTextures(1, &texture_);
        ++GLStats().texturesDeleted;
    }
    texture_ = 0;
    generation_ = -1;
    textureWidth_ = 0;
    textureHeight_ = 0;
}

void GLSurface::UploadRect(int x, int y, int w, int h)
{
    if (!HasLiveTexture() || !HasPixels()) {
        return;
    }
    const GLenum format = FormatOfDepth(Depth());
    const std::size_t rowBytes = static_cast<std::size_t>(Width()) * Depth();
    const std::uint8_t* base = Pixels().data();
    glBindTexture(GL_TEXTURE_2D, texture_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (x == 0 && w == Width()) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, y, w, h, format, GL_UNSIGNED_BYTE, base + y * rowBytes);
        ++GLStats().textureUploads;
        return;
    }
    for (int row = y; row < y + h; ++row) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, x, row, w, 1, format, GL_UNSIGNED_BYTE,
                        base + row * rowBytes + static_cast<std::size_t>(x) * Depth());
        ++GLStats().textureUploads;
    }
}

}  // namespace zelka
