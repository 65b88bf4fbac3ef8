#include "engine/particles/Particle.h"

#include "engine/core/MathUtil.h"
#include "engine/EngineConstants.h"

#include <cassert>
#include <utility>

namespace zelka {

Ref<ParticleTween> ParticleTween::New(const String& property, float from, float to, float fraction,
                                      Ref<EaseFunction> ease)
{
    assert(ease != nullptr);
    auto record = std::make_shared<ParticleTween>();
    // 1 ms until the first revival sets the real duration.
    record->tween = Tween::New(std::move(ease), from, to, 1, false, false);
    record->property = property;
    record->fraction = fraction;
    return record;
}

Ref<Particle> Particle::New(Ref<GDO> parent)
{
    auto particle = std::make_shared<Particle>();
    particle->parent_ = std::move(parent);
    return particle;
}

bool Particle::TrySetFloatProperty(std::u32string_view name, float value)
{
    if (name == U"speed.x") {
        speed.x = value;
        return true;
    }
    if (name == U"speed.y") {
        speed.y = value;
        return true;
    }
    return gdo_ ? gdo_->TrySetFloatProperty(name, value) : false;
}

void Particle::Update(int ms)
{
    const float seconds = static_cast<float>(ms) / static_cast<float>(kMsPerSecond);
    if (gdo_) {
        gdo_->position->x += speed.x * seconds;
        gdo_->position->y += speed.y * seconds;
    }
    for (const Ref<ParticleTween>& t : tweens_) {
        if (t->tween->IsPlaying()) {
            t->tween->Update(ms);
        }
        // Also once the tween has ended: the property holds the end value.
        SetFloatProperty(t->property, t->tween->GetValue());
    }
    if (gdo_) {
        gdo_->visible = true;
    }
    age_ += ms;
    if (age_ >= life_) {
        Kill();
    }
}

void Particle::Revive(int lifeMs, float speedX, float speedY)
{
    enabled_ = true;
    age_ = 0;
    life_ = lifeMs;
    speed.Set(speedX, speedY);
    if (gdo_) {
        gdo_->visible = false;
        if (parent_) {
            parent_->AddChild(gdo_);
        }
    }
    for (const Ref<ParticleTween>& t : tweens_) {
        Tween& tween = *t->tween;
        tween.SetValues(tween.GetStart(), tween.GetEnd());
        tween.Rewind(true);
        tween.SetDuration(math::TruncToInt(static_cast<float>(lifeMs) * t->fraction));
        tween.Start();
    }
}

void Particle::Kill()
{
    enabled_ = false;
    if (gdo_) {
        gdo_->DetachFromParent();
    }
}

void Particle::AddTween_(const String& property, float from, float to, float fraction,
                         Ref<EaseFunction> ease)
{
    tweens_.push_back(ParticleTween::New(property, from, to, fraction, std::move(ease)));
}

}  // namespace zelka
