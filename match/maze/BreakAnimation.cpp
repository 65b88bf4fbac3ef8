#include "match/maze/BreakAnimation.h"

#include "engine/media/MediaConstants.h"
#include "engine/media/Texture.h"
#include "services/data/GameData.h"

namespace zelka {

namespace {
constexpr int kBreakSize = 48;     // px, square frames
constexpr int kBreakFps = 15;
constexpr int kBreakLastFrame = 4;
const String kBreak = U"break";
}  // namespace

Ref<BreakAnimation> BreakAnimation::New()
{
    auto tiles = TileSet::New(Texture::GetTexture(GameData::WorldAssetPath(U"wallbreak.png")),
                              kBreakSize, kBreakSize);
    auto anim = std::make_shared<BreakAnimation>(tiles, kBreakFps);
    anim->DefineSequence(kBreak, 0, kBreakLastFrame, false);
    anim->visible = false;
    return anim;
}

void BreakAnimation::PlayBreakSequence()
{
    PlaySequence(kBreak);
    visible = true;
}

bool BreakAnimation::IsPlaying() const
{
    return GetPlaybackStatus() == kSpritePlaying;
}

void BreakAnimation::Update(int ms)
{
    visible = IsPlaying();
    Sprite::Update(ms);
}

}  // namespace zelka
