#include "engine/ui/ArrowCursor.h"

#include "engine/core/MathUtil.h"
#include "engine/tween/Ease.h"

#include <string>

namespace zelka {
namespace {

constexpr float kPulseMin = 0.75f;
constexpr float kPulseMax = 1.25f;
constexpr int kPulseMs = 300;   // one way

}  // namespace

Ref<ArrowCursor> ArrowCursor::New(int n)
{
    const String path = U"cursor" + FromLatin1(std::to_string(n)) + U".png";
    auto arrow = std::make_shared<ArrowCursor>(Texture::GetTexture(path));
    arrow->tween_ = Tween::New(QuadraticEaseInOut::New(), kPulseMin, kPulseMax, kPulseMs, true, true);
    arrow->tween_->Start();
    return arrow;
}

void ArrowCursor::Update(int ms)
{
    GDO::Update(ms);
    tween_->Update(ms);
    const float value = tween_->GetValue();
    scale.x = math::Sgn(scale.x) * value;
    scale.y = math::Sgn(scale.y) * value;
}

}  // namespace zelka
