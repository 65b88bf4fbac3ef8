#include "match/maze/FallingRock.h"

#include "engine/audio/SoundManager.h"
#include "engine/media/MediaConstants.h"
#include "engine/media/Texture.h"
#include "match/MatchConstants.h"
#include "match/MatchHooks.h"

namespace zelka {

namespace {
constexpr int kRockWidth = 32;     // px
constexpr int kRockHeight = 96;    // px
constexpr int kRockFps = 12;
const String kFall = U"fall";
}  // namespace

Ref<FallingRock> FallingRock::New(int column, int row)
{
    auto tiles = TileSet::New(Texture::GetTexture(U"fallingrock.png"), kRockWidth, kRockHeight);
    auto rock = std::make_shared<FallingRock>(tiles, kRockFps);
    rock->column_ = column;
    rock->row_ = row;
    rock->DefineSequence(kFall, 0, tiles->GetTotalDrawables() - 1, false);
    rock->visible = false;
    return rock;
}

void FallingRock::Fall()
{
    visible = true;
    landed_ = false;
    if (status_ != kFalling) {
        SetStatus(kFalling);
    }
    PlaySequence(kFall);
}

void FallingRock::SetStatus(int status)
{
    status_ = status;
    timer_ = 0;
}

float FallingRock::GetFallProgress() const
{
    const int steps = GetSequenceStepCount(kFall);
    if (status_ != kFalling || steps <= 0) {
        return 0.0f;
    }
    return static_cast<float>(GetSequenceStep()) / static_cast<float>(steps);
}

bool FallingRock::CloseToTheGround() const
{
    return status_ == kFalling && GetFallProgress() > kRockDangerProgress;
}

void FallingRock::Update(int ms)
{
    timer_ += ms;
    Sprite::Update(ms);
    switch (status_) {
    case kWaiting:
        visible = false;
        if (timer_ >= kRockWaitMs) {
            Fall();
        }
        break;
    case kFalling:
        if (GetPlaybackStatus() != kSpritePlaying) {
            SetStatus(kLanded);
        } else if (!landed_ && GetSequenceStep() > kRockImpactStep) {
            SoundManager::PlaySFX(kSfxRockImpact, kSfxChannelGeneral, false);
            match::Hooks().Quake(kQuakeMs);
            landed_ = true;
        }
        break;
    default:
        visible = timer_ % kRockBlinkPeriodMs < kRockBlinkPeriodMs / 2;
        if (timer_ >= kRockLandedMs) {
            SetStatus(kWaiting);
            visible = false;
        }
        break;
    }
}

}  // namespace zelka
