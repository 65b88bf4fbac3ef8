#include "match/maze/GemSprite.h"

#include "engine/media/MediaConstants.h"

namespace zelka {

namespace {
constexpr int kGemSize = 32;   // px, square frames
constexpr int kGemFps = 8;
}  // namespace

Ref<GemSprite> GemSprite::New(Ref<Texture> texture)
{
    auto gem = std::make_shared<GemSprite>(TileSet::New(std::move(texture), kGemSize, kGemSize),
                                           kGemFps);
    gem->serial_ = _gemCounter++;
    return gem;
}

int GemSprite::PlaySequence(const String& sequenceName)
{
    const int result = Sprite::PlaySequence(sequenceName);
    const int steps = GetSequenceStepCount(sequenceName);
    if (result == kPlaySequenceStarted && sequenceName == U"idle" && steps > 0) {
        SetSequenceStep(serial_ % steps);
    }
    return result;
}

}  // namespace zelka
