#include "match/topbar/PlayerProfilePic.h"

#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "match/topbar/StatusEffectSource.h"
#include "match/topbar/TopBarConstants.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"

#include <cmath>

namespace zelka {

Ref<PlayerProfilePic> PlayerProfilePic::New(const Ref<PlayerData>& player,
                                            const StatusEffectSource* status)
{
    auto pic = std::make_shared<PlayerProfilePic>();
    pic->player_ = player;
    pic->status_ = status;
    if (player && player->character) {
        pic->face_ = StaticImage::New(Texture::GetTexture(player->character->GetImgPath(kImgFace)));
    } else {
        pic->face_ = StaticImage::New2();
    }
    pic->AddChild(pic->face_);
    return pic;
}

void PlayerProfilePic::Update(int ms)
{
    EmptyGDOContainer::Update(ms);
    UpdateTint();
    UpdateShake(ms);
}

void PlayerProfilePic::Shake2(int ms, int mode)
{
    shakeTime_ = ms;
    shakeMode_ = mode;
}

void PlayerProfilePic::UpdateTint()
{
    const int debuff = status_ ? status_->GetCurrentDeBuff() : 0;
    if (debuff == kDebuffConfused) {
        face_->tint.Set(kTintDimmed, kColorMax, kTintDimmed);
    } else if (debuff != 0) {
        face_->tint.Set(kTintDimmed, kTintDimmed, kColorMax);
    } else {
        face_->tint.Set(kColorMax, kColorMax, kColorMax);
    }
}

void PlayerProfilePic::UpdateShake(int ms)
{
    if (shakeTime_ > 0) {
        shakeTime_ -= ms;
    }
    if (shakeTime_ <= 0) {
        shakeTime_ = 0;
        rotation = 0.0f;
        face_->position->x = 0.0f;
        return;
    }
    const float wave = std::sin(kShakeDegPerMs * static_cast<float>(shakeTime_) * kDegToRad);
    if (shakeMode_ == kShakeSideways) {
        face_->position->x = kShakeOffsetPx * wave;
    } else {
        rotation = kShakeRotationDeg * wave;
    }
}

}  // namespace zelka
