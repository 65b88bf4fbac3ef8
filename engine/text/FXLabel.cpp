#include "engine/text/FXLabel.h"

namespace zelka {

namespace {

constexpr int kPopMs = 500;
constexpr float kPopPeak = 0.2f;          // tween value at the top of the pop
constexpr float kValueToScaleY = 5.0f;    // so the peak is full height

}  // namespace

FXLabel::FXLabel(Ref<Font> font, float scale)
    : LabelWithShadow(std::move(font), scale),
      tween_(Tween::New(ElasticEaseOut::New(), 0.0f, kPopPeak, kPopMs, false, true))
{
    horizontalAlignment = kAlignCentre;
    shadowColor.Set(0, 0, 0);
    visible = false;
}

Ref<FXLabel> FXLabel::New(Ref<Font> font, float scale)
{
    auto label = std::make_shared<FXLabel>(std::move(font), scale);
    label->SetStyle(kLabelSingleLine);
    return label;
}

void FXLabel::Update(int ms)
{
    tween_->Update(ms);
    GDO::Update(ms);
    visible = tween_->IsPlaying();
    if (visible) {
        scale.y = kValueToScaleY * tween_->GetValue();
    }
}

void FXLabel::Show4(const String& text)
{
    if (tween_->IsPlaying()) {
        tween_->Stop();
    }
    if (!text.empty()) {
        SetText(text);
    }
    tween_->Start();
}

}  // namespace zelka
