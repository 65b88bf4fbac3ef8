#include "engine/ui/NoiseSpriteFilter.h"

#include "engine/core/MathUtil.h"
#include "engine/core/Random.h"
#include "engine/display/DrawingState.h"
#include "platform/graphics/Graphics.h"

#include <algorithm>
#include <cmath>

namespace zelka {
namespace {

constexpr float kStartTimeRange = 30000.0f;   // ms of band cycles to start anywhere in
constexpr int kScanLineSpacing = 2;           // pixels
constexpr int kMsPerBandPixel = 8;
constexpr float kCycleHeights = 3.0f;         // a band cycle covers 3 half heights
constexpr float kBandHalfFraction = 1.0f / 8; // the band spans a quarter of the half height
constexpr float kBandAlpha = 0.75f;

}  // namespace

Ref<NoiseSpriteFilter> NoiseSpriteFilter::New(Ref<GDO> target)
{
    auto filter = std::make_shared<NoiseSpriteFilter>(std::move(target));
    filter->time_ = math::TruncToInt(random::Rnd() * kStartTimeRange);
    return filter;
}

void NoiseSpriteFilter::Update(int ms)
{
    time_ += ms;
    GDO::Update(ms);
    if (target_) {
        visible = target_->visible;
        position->Set(target_->position->x, target_->position->y);
    }
}

void NoiseSpriteFilter::Draw()
{
    if (!target_) {
        return;
    }
    const float hw = target_->GetWidth() / 2 * target_->scale.x;
    const float hh = target_->GetHeight() / 2 * target_->scale.y;
    // The band's cycle is 3 x hh long: a flat target would divide by 0.
    if (!(hh > 0.0f)) {
        return;
    }
    const int lines = static_cast<int>(std::ceil(hh));
    for (int i = 0; i <= lines; ++i) {
        const float y = static_cast<float>(kScanLineSpacing * i) - hh;
        graphics::DrawLine(-hw, y, hw, y);
    }
    const float f = std::fmod(static_cast<float>(time_ / kMsPerBandPixel), kCycleHeights * hh);
    const float top = std::max(hh - f - hh * kBandHalfFraction, -hh);
    const float bottom = std::min(hh - f + hh * kBandHalfFraction, hh);
    if (!(bottom > top)) {
        return;
    }
    const float alpha = graphics::GetAlpha();
    same::PushTint();
    same::SetTint(0, 0, 0);
    graphics::SetAlpha(alpha * kBandAlpha);
    graphics::DrawRect(-hw, top, 2 * hw, bottom - top);
    graphics::SetAlpha(alpha);
    same::PopTint();
}

}  // namespace zelka
