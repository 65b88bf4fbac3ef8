#pragma once

#include "engine/media/Sprite.h"

namespace zelka {

// A gem's sprite. Each gem takes the next serial number, and its idle sparkle starts at a
// step of its own, so a field of gems never sparkles in step.
class GemSprite : public Sprite {
public:
    // 32 x 32 frames of the texture at 8 fps.
    static Ref<GemSprite> New(Ref<Texture> texture);

    // Serial numbers of the gems made so far; the next gem gets this value.
    static inline int _gemCounter = 0;

    int GetSerial() const { return serial_; }
    int PlaySequence(const String& sequenceName) override;

    GemSprite(Ref<DrawableCollection> collection, int fps) : Sprite(std::move(collection), fps) {}

private:
    int serial_ = 0;
};

}  // namespace zelka
