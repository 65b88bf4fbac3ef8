#pragma once

#include "engine/display/GDO.h"
#include "engine/media/Texture.h"

namespace zelka {

// A display node that draws one frame of a texture centred on its origin. Float property
// "textureframe" reads and writes the frame. Release deallocates the texture (for all of
// its users, unless it is kept).
class StaticImage : public GDO {
public:
    static Ref<StaticImage> New(Ref<Texture> texture);
    static Ref<StaticImage> New2();

    void SetTexture(Ref<Texture> texture) { texture_ = std::move(texture); }
    const Ref<Texture>& GetTexture() const { return texture_; }
    // 0 without texture.
    int GetTotalTextureFrames() const;
    // Clamped to 0 .. frames - 1 (0 without texture).
    void SetTextureFrame(int frame);
    int GetTextureFrame() const { return frame_; }

    // Frame size of the texture's image; 0 without texture or image.
    float GetWidth() const override;
    float GetHeight() const override;
    // Nothing without texture or image.
    void Draw() override;
    void Deallocate() override;
    bool TrySetFloatProperty(std::u32string_view name, float value) override;
    float GetFloatProperty(std::u32string_view name) const override;

    explicit StaticImage(Ref<Texture> texture) : texture_(std::move(texture)) {}

private:
    Ref<Texture> texture_;
    int frame_ = 0;
};

}  // namespace zelka
