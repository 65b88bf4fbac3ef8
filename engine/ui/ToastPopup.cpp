#include "engine/ui/ToastPopup.h"

#include "engine/EngineConstants.h"
#include "engine/text/TextConstants.h"
#include "engine/tween/Ease.h"

#include <utility>

namespace zelka {
namespace {

constexpr float kToastWidth = 200.0f;
constexpr float kToastHeight = 48.0f;
constexpr int kToastGrey = 64;
constexpr float kLabelScale = 0.375f;
constexpr float kLabelWidth = 190.0f;
constexpr float kLabelHeight = 16.0f;
constexpr float kLabelY = -12.0f;
constexpr float kContentY = 6.0f;

}  // namespace

ToastPopup::ToastPopup() : RectangleGDO(kToastWidth, kToastHeight, false) {}

Ref<ToastPopup> ToastPopup::New(const String& text)
{
    auto toast = std::make_shared<ToastPopup>();
    toast->tint.Set(kToastGrey, kToastGrey, kToastGrey);
    toast->visible = false;
    // From half the height below its rest point to half above: +24 -> -24.
    toast->tween_ = Tween::New(LinearEase::New(), kToastHeight / 2, -kToastHeight / 2, kToastSlideMs,
                               false, true);
    toast->tween_->SetEvents(true);
    EventManager::RegisterListener(toast, toast->tween_, kEventAnyId, false);

    toast->label_ = Label::New(font, kLabelScale);
    toast->label_->SetSize(kLabelWidth, kLabelHeight);
    toast->label_->SetStyle(kLabelSingleLine);
    toast->label_->horizontalAlignment = kAlignStart;
    toast->label_->verticalAlignment = kAlignStart;
    toast->label_->SetText(text);
    toast->AddChild2(toast->label_, 0.0f, kLabelY);
    return toast;
}

void ToastPopup::DisplayToast(Ref<GDO> gdo)
{
    if (content_) {
        content_->DetachFromParent();
    }
    content_ = std::move(gdo);
    if (content_) {
        AddChild2(content_, 0.0f, kContentY);
    }
    holdTime_ = 0;
    tween_->Start();
    visible = true;
}

void ToastPopup::Update(int ms)
{
    position->y = kToastBaseY + tween_->GetValue();
    tween_->Update(ms);
    if (holdTime_ > 0) {
        holdTime_ -= ms;
        if (holdTime_ > 0) {
            GDO::Update(ms);
            return;
        }
        holdTime_ = 0;
        if (tween_->GetValue() != tween_->GetTo()) {
            tween_->Resume();
        }
    }
    GDO::Update(ms);
}

void ToastPopup::HandleEvent(Object* source, int id, Object* /*data*/)
{
    if (source != tween_.get() || id != kEventTweenRunEnded) {
        return;
    }
    if (tween_->IsPlaying()) {
        // Just turned at the top: wait there before the way back.
        tween_->Pause();
        holdTime_ = kToastHoldMs;
        return;
    }
    visible = false;
    if (content_) {
        content_->DetachFromParent();
        content_ = nullptr;
    }
}

}  // namespace zelka
