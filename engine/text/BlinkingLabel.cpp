#include "engine/text/BlinkingLabel.h"

#include "engine/core/MathUtil.h"

namespace zelka {

namespace {

constexpr float kHalfSecondMs = 500.0f;     // a rate of 1 blinks once a second
constexpr float kMinRate = 0.00001f;
constexpr int kNeverBlinkPeriod = 50000000;  // ms, about 14 hours

}  // namespace

BlinkingLabel::BlinkingLabel(Ref<Font> font, float rate, float scale)
    : Label(std::move(font), scale),
      blinkPeriod(rate > kMinRate ? math::TruncToInt(kHalfSecondMs / rate) : kNeverBlinkPeriod)
{
}

Ref<BlinkingLabel> BlinkingLabel::New(Ref<Font> font, float rate, float scale)
{
    auto label = std::make_shared<BlinkingLabel>(std::move(font), rate, scale);
    label->ComputeLines_();
    return label;
}

void BlinkingLabel::Update(int ms)
{
    GDO::Update(ms);
    elapsed += ms;
    visible = !blinking || elapsed <= blinkPeriod / 2;
    if (elapsed >= blinkPeriod) {
        elapsed = 0;
    }
}

void BlinkingLabel::Show3(bool show)
{
    enabled = show;
    if (!show) {
        visible = false;
    }
}

}  // namespace zelka
