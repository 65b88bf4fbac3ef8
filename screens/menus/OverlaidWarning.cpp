#include "screens/menus/OverlaidWarning.h"

#include "engine/display/RectangleGDO.h"
#include "engine/text/TextConstants.h"
#include "services/data/GameData.h"

namespace zelka {

namespace {

constexpr float kFrameWidth = 240.0f;   // px
constexpr float kFrameHeight = 50.0f;
constexpr float kInnerWidth = 230.0f;
constexpr float kInnerHeight = 42.0f;
constexpr float kTextWidth = 220.0f;
constexpr float kTextHeight = 40.0f;
constexpr float kBlinkRate = 2.0f;      // period 500 / rate = 250 ms
constexpr int kBlinkPeriodMs = 250;
constexpr int kOpenMs = 300;

}  // namespace

Ref<OverlaidWarning> OverlaidWarning::New()
{
    const Ref<RectangleGDO> frame = RectangleGDO::New(kFrameWidth, kFrameHeight, false);
    frame->name = U"BASE";
    const Ref<RectangleGDO> inner = RectangleGDO::New(kInnerWidth, kInnerHeight, false);
    inner->tint.Set(0, 0, 0);
    frame->AddChild(inner);

    auto warning = std::make_shared<OverlaidWarning>();
    warning->label_ = BlinkingLabel::New(GameData::secFont, kBlinkRate, 1.0f);
    warning->label_->blinkPeriod = kBlinkPeriodMs;
    warning->label_->SetStyle(kLabelShrinkToFit);
    warning->label_->horizontalAlignment = kAlignCentre;
    warning->label_->SetSize(kTextWidth, kTextHeight);
    frame->AddChild(warning->label_);
    Setup(*warning, frame, U"scale.x", 0.0f, 1.0f, kOpenMs, nullptr);
    return warning;
}

void OverlaidWarning::Show2(const String& text, int ms, bool blink)
{
    timeout_ = ms;
    SetText(text);
    label_->blinking = blink;
    Open(false, true, 0);
}

void OverlaidWarning::Update(int ms)
{
    Panel::Update(ms);
    if (!visible || timeout_ <= 0) {
        return;
    }
    timeout_ -= ms;
    if (timeout_ <= 0) {
        timeout_ = 0;
        Close2(false, true);
    }
}

void OverlaidWarning::Close2(bool immediate, bool playSound)
{
    timeout_ = 0;
    Panel::Close2(immediate, playSound);
}

void OverlaidWarning::SetText(const String& text)
{
    if (label_->GetText() != text) {
        label_->SetText(text);
    }
}

const String& OverlaidWarning::GetText() const
{
    return label_->GetText();
}

}  // namespace zelka
