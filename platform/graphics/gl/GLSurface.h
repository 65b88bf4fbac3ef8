#pragma once

#include "platform/graphics/Surface.h"

namespace zelka {

// A surface with an OpenGL texture, created lazily for each window opening: NEAREST filtering,
// CLAMP_TO_EDGE, first at the image's exact size, at the next powers of two if the driver
// refuses that. The texture may so be larger than the image; UScale/VScale turn surface
// pixels into texture coordinates.
class GLSurface final : public Surface {
public:
    GLSurface() = default;
    GLSurface(int width, int height, int depth) : Surface(width, height, depth) {}
    ~GLSurface() override;

    // Implements Surface.
    void Bind() override;

    // Creates the texture if this window opening has none; no GL call without a live context
    // or without a size. Leaves the texture bound when it had to create it.
    void EnsureTexture();

    float UScale() const;   // 1 / texture width
    float VScale() const;   // 1 / texture height
    int TextureWidth() const { return textureWidth_; }     // 0 without texture
    int TextureHeight() const { return textureHeight_; }
    // The window opening the texture belongs to; -1 without texture.
    int TextureGeneration() const { return generation_; }

    // Test hook: behave as a driver that refuses textures whose sides are not powers of two
    // (the exact-size attempt is still made, then treated as failed).
    static void SetRefuseNonPowerOfTwo(bool refuse);

protected:
    void ReleaseTexture() override;
    void UploadRect(int x, int y, int w, int h) override;

private:
    bool HasLiveTexture() const;
    void CreateTexture();

    unsigned int texture_ = 0;   // GL texture name, 0 without one
    int generation_ = -1;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
};

}  // namespace zelka
